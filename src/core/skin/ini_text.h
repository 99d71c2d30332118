#pragma once
// The in-memory INI file a skin definition is parsed into, and written from.
//
// Reading rules: lines are trimmed of bytes up to 32; empty lines and lines
// starting with ";" are skipped; "[name]" starts a section (lines before the
// first section are ignored); other lines split at their first "=" into key
// and value (both trimmed); a line without "=" is kept but never found.
// Section names and keys compare case-insensitively; a later section with
// the same name hides the earlier one, a later key in a section wins.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zv {

// Upper-cases ASCII letters only. A CP936 lead byte (0x81..0xFE) and the
// byte after it are copied untouched, so trail bytes that happen to be
// ASCII letters keep two different characters apart.
std::string AnsiUpperKey(std::string_view text);

// How much text one IniText is parsed from: far beyond a real skin
// definition (the embedded one has 45 KB in 2,194 lines), far below what
// the parsed lines would take in memory.
constexpr std::size_t kMaxIniTextBytes = 8u << 20;
constexpr std::size_t kMaxIniTextLines = 1u << 18;

// Throws zv::Error when `text` has more bytes or lines than those limits;
// takes no memory, so it can run before anything is split or parsed.
void CheckIniTextSize(std::string_view text);

class IniText {
 public:
  IniText() = default;
  // Checks the text with CheckIniTextSize first.
  static IniText Parse(std::string_view text);
  static IniText FromLines(const std::vector<std::string>& lines);

  bool HasSection(std::string_view section) const;
  // nullopt when the key is absent; an empty view when it is present with
  // an empty value.
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view missing) const;
  // Integer read: decimal with optional sign, or hexadecimal after "$",
  // "0x" or "0X"; anything else (the empty value included) gives `missing`.
  int ReadInteger(std::string_view section, std::string_view key, int missing) const;
  // Keys of the visible section in line order (hidden duplicates excluded).
  std::vector<std::string_view> Keys(std::string_view section) const;
  std::vector<std::string_view> SectionNames() const;
  // The line (1 for the first) a visible section's header or a key of it
  // was read from; 0 when absent or added by writing.
  int SectionLine(std::string_view section) const;
  int KeyLine(std::string_view section, std::string_view key) const;

  // Writing. Throws zv::Error for names or values that would not read back
  // the same (line breaks, NUL, surrounding blanks, "=" in a key, ...).
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void EraseSection(std::string_view section);
  // Every visible section with its lines, each line followed by CR LF.
  std::string ToText() const;

 private:
  struct Line {
    std::string key;  // empty with hasEquals false: a line without "="
    std::string value;
    bool hasEquals = true;
    int number = 0;  // the text's line it was read from
  };
  struct Section {
    std::string name;
    std::vector<Line> lines;
    std::unordered_map<std::string, std::size_t> index;  // upper key -> last line with it
    bool hidden = false;
    int number = 0;
  };

  const Section* FindSection(std::string_view section) const;
  Section& OpenSection(std::string_view name, int number = 0);
  static void AddLine(Section& section, std::string_view line, int number);

  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // upper name -> visible section
};

// Parses a whole text as the INI integer read does; nullopt when it does not.
std::optional<int> ParseIniInteger(std::string_view text);

}  // namespace zv
