#include "cli/cli_codec.h"

#ifdef _WIN32
#include "win32/platform/text.h"
#else
#include <iconv.h>

#include <cerrno>

#include "core/base/error.h"
#include "core/base/unicode.h"
#endif

namespace zv {

#ifdef _WIN32

TextCodec& CliCodec() {
  static win::WinTextCodec codec;
  return codec;
}

#else

namespace {

// The two conversions, opened once: a batch names thousands of files.
class IconvCodec : public TextCodec {
 public:
  IconvCodec() : toUtf8_(iconv_open("UTF-8", "CP936")), toCp936_(iconv_open("CP936", "UTF-8")) {
    if (toUtf8_ == kNone || toCp936_ == kNone) throw Error("iconv cannot convert CP936 on this system");
  }
  ~IconvCodec() override {
    iconv_close(toUtf8_);
    iconv_close(toCp936_);
  }
  IconvCodec(const IconvCodec&) = delete;
  IconvCodec& operator=(const IconvCodec&) = delete;

  std::string Utf8FromCp936(std::string_view cp936) override {
    std::string out;
    Run(toUtf8_, cp936, true, out);
    return out;
  }

  std::optional<std::string> Cp936FromUtf8(std::string_view utf8) override {
    std::string out;
    if (!ScanUtf8(utf8).valid || !Run(toCp936_, utf8, false, out)) return std::nullopt;
    return out;
  }

 private:
  inline static const iconv_t kNone = reinterpret_cast<iconv_t>(-1);

  // Converts through a small buffer. A byte that does not convert becomes
  // U+FFFD when `replace` allows, or fails the conversion.
  static bool Run(iconv_t cd, std::string_view in, bool replace, std::string& out) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* from = const_cast<char*>(in.data());
    std::size_t fromLeft = in.size();
    char buffer[4096];
    while (fromLeft > 0) {
      char* to = buffer;
      std::size_t toLeft = sizeof buffer;
      const bool ok = iconv(cd, &from, &fromLeft, &to, &toLeft) != static_cast<std::size_t>(-1);
      out.append(buffer, static_cast<std::size_t>(to - buffer));
      if (ok || errno == E2BIG) continue;
      if (!replace) return false;
      AppendUtf8(out, kReplacementCharacter);
      ++from;
      --fromLeft;
    }
    return true;
  }

  iconv_t toUtf8_;
  iconv_t toCp936_;
};

}  // namespace

TextCodec& CliCodec() {
  static IconvCodec codec;
  return codec;
}

#endif

}  // namespace zv
