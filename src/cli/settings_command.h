#pragma once
// zorvane-cli settings: the vendor's side of the promotion settings.
#include <string>
#include <vector>

namespace zv {

struct PromoSlotSettings {
  std::string picture;
  std::string link;
};

// The complete settings file the promotion server serves as product + ".rar":
// sections product + "path" and product + "link", keys fname1 and fname2,
// values scrambled. Throws CliError for a picture URL the program would not
// download, a link it would not open, or a value longer than it reads back.
std::string MakeSettingsFile(const std::string& product, const PromoSlotSettings& slot1,
                             const PromoSlotSettings& slot2);

// settings encode TEXT | decode HEX | make --out FILE ...
int SettingsMain(const std::vector<std::string>& args);

}  // namespace zv
