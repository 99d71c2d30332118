#pragma once
// The encodings of the text files users hand the program (word libraries,
// keyword lists) and of the articles made from them. In memory such text is
// CP936 bytes or UTF-8; UTF-16 files are decoded to UTF-8 when read, so every
// byte rule (a NUL ends the text, line ends, cuts on character boundaries)
// works on one of those two.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

// Text in memory.
enum class Encoding { kCp936, kUtf8 };

// Text on disk.
enum class FileEncoding { kCp936, kUtf8, kUtf8Bom, kUtf16Le, kUtf16Be };

// What a user may force instead of detecting (`--encoding`).
enum class Charset { kCp936, kUtf8, kUtf16 };

// The detection rule, the one place it is stated:
//  1. a UTF-8 byte-order mark gives UTF-8, a UTF-16 LE or BE mark UTF-16;
//  2. otherwise a file that is valid UTF-8 throughout and holds at least one
//     three- or four-byte sequence is UTF-8. Chinese takes three bytes a
//     character in UTF-8, while the GBK bytes of everyday words (学习, 为什么)
//     happen to form valid two-byte sequences: those files stay CP936;
//  3. everything else is CP936, its bytes taken as they are.
FileEncoding DetectFileEncoding(std::string_view bytes);

// The choice forced to `charset`; a byte-order mark still tells UTF-8 with a
// mark from one without, and UTF-16 BE from LE (which is taken when unmarked).
FileEncoding ForcedFileEncoding(std::string_view bytes, Charset charset);

Encoding InMemory(FileEncoding file);

// Articles keep their library's encoding, except that UTF-16 ones are
// written as Notepad writes them: little-endian with a mark.
FileEncoding ArticleFileEncoding(FileEncoding library);

// The file's text in memory: the byte-order mark dropped, UTF-16 decoded.
std::string DecodeTextFile(std::string_view bytes, FileEncoding encoding);

// The mark that opens a file of this encoding (empty for CP936 and UTF-8
// without one).
std::string_view ByteOrderMark(FileEncoding encoding);

// The bytes after the encoding's mark, when they start with one.
std::string_view WithoutMark(std::string_view bytes, FileEncoding encoding);

// Appends text in memory as the file's bytes, without a mark.
void AppendEncoded(std::string& out, std::string_view text, FileEncoding encoding);

// A whole file: the mark, then the text.
std::string EncodeTextFile(std::string_view text, FileEncoding encoding);

// A text file's lines in memory, in InMemory(encoding), split by the string
// list's rules; the byte-order mark is no part of the first line.
struct TextLines {
  std::vector<std::string> lines;
  FileEncoding encoding = FileEncoding::kCp936;
};

// The file's encoding by the detection rule, or as `forced`, then its lines.
TextLines ReadTextLines(std::string_view bytes, std::optional<Charset> forced = std::nullopt);

// The longest prefix of at most `max` bytes that cuts no character in half.
std::size_t CutAtCharacter(std::string_view text, std::size_t max, Encoding encoding);

}  // namespace zv
