#include "cli/settings_command.h"

#include <cstdio>

#include "cli/cli_error.h"
#include "cli/std_platform.h"
#include "cli/terminal_text.h"
#include "core/app/profile_file.h"
#include "core/app/promo_cipher.h"
#include "core/app/promo_picture.h"
#include "core/controls/link_image.h"

namespace zv {

namespace {

std::string Cp936(const std::string& text) {
  auto converted = FromTerminal(text);
  if (!converted) throw CliError("'" + text + "' has characters without a CP936 form");
  return *converted;
}

// A stored value is two hexadecimal digits per byte and the program reads at
// most kProfileValueLimit characters of it.
void CheckReadableLength(const std::string& option, const std::string& plain) {
  constexpr std::size_t limit = kProfileValueLimit / 2;
  if (plain.size() > limit) {
    throw CliError(option + " is " + std::to_string(plain.size()) + " bytes long; the program reads back at most " +
                   std::to_string(limit) + " bytes (" + std::to_string(kProfileValueLimit) +
                   " hexadecimal characters) of a value");
  }
}

void CheckPicture(const std::string& option, const std::string& url) {
  CheckReadableLength(option, url);
  const std::string extension = PictureExtension(url);
  const std::string_view name = extension.empty() ? std::string_view() : std::string_view(extension).substr(1);
  if (!IsWebLink(url) || !IsFileNameSafe(extension) || !PictureFormatOf(name)) {
    throw CliError(option + " must be an http(s) URL ending in .jpg, .jpeg, .gif, .bmp, .ico, .emf or .wmf, got '" +
                   url + "'");
  }
}

void CheckLink(const std::string& option, const std::string& url) {
  CheckReadableLength(option, url);
  if (!IsWebLink(url)) throw CliError(option + " must be an http:// or https:// URL, got '" + url + "'");
}

std::string Set(const std::string& text, const std::string& section, const std::string& key, const std::string& plain) {
  return *WithProfileValue(text, section, key, ScrambleValue(plain, kPromoStartKey));
}

int Make(const std::vector<std::string>& args) {
  std::string out;
  std::string product = "zvk";
  PromoSlotSettings slots[2];
  struct Option {
    const char* name;
    std::string* target;
  };
  const Option options[] = {{"--out", &out},
                            {"--product", &product},
                            {"--picture1", &slots[0].picture},
                            {"--link1", &slots[0].link},
                            {"--picture2", &slots[1].picture},
                            {"--link2", &slots[1].link}};
  for (std::size_t i = 0; i < args.size(); i += 2) {
    const Option* match = nullptr;
    for (const auto& option : options) {
      if (args[i] == option.name) match = &option;
    }
    if (!match) throw CliError::UnknownOption(args[i]);
    if (i + 1 >= args.size()) throw CliError(args[i] + " needs a value");
    *match->target = args[i + 1];
  }
  for (const auto& option : options) {
    if (option.target->empty()) throw CliError(std::string(option.name) + " is required");
  }
  const std::string text = MakeSettingsFile(Cp936(product), {Cp936(slots[0].picture), Cp936(slots[0].link)},
                                            {Cp936(slots[1].picture), Cp936(slots[1].link)});
  StdFiles files;
  files.WriteAtomic(out, text);
  return 0;
}

}  // namespace

std::string MakeSettingsFile(const std::string& product, const PromoSlotSettings& slot1,
                             const PromoSlotSettings& slot2) {
  if (product.empty() || !IsFileNameSafe(product)) throw CliError("--product must be a plain name");
  CheckPicture("--picture1", slot1.picture);
  CheckLink("--link1", slot1.link);
  CheckPicture("--picture2", slot2.picture);
  CheckLink("--link2", slot2.link);
  std::string text;
  text = Set(text, product + "path", "fname1", slot1.picture);
  text = Set(text, product + "path", "fname2", slot2.picture);
  text = Set(text, product + "link", "fname1", slot1.link);
  text = Set(text, product + "link", "fname2", slot2.link);
  return text;
}

int SettingsMain(const std::vector<std::string>& args) {
  if (args.empty()) throw CliError("settings needs encode, decode or make");
  const std::string& action = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (action == "make") return Make(rest);
  if (rest.size() != 1) throw CliError("settings " + action + " takes one value");
  if (action == "encode") {
    std::printf("%s\n", ScrambleValue(Cp936(rest[0]), kPromoStartKey).c_str());
  } else if (action == "decode") {
    std::printf("%s\n", ToTerminal(UnscrambleValue(rest[0], kPromoStartKey)).c_str());
  } else {
    throw CliError("unknown settings action " + action);
  }
  return 0;
}

}  // namespace zv
