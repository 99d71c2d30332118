#include "core/app/catalogue.h"

#include "core/app/texts.h"
#include "core/base/path.h"

namespace zv {

namespace {

std::string LibraryFolder(const std::string& appDir) { return appDir + "data\\"; }

}  // namespace

std::vector<std::string> ScanWordLibraries(Files& files, const std::string& appDir) {
  std::vector<std::string> names;
  for (auto& name : files.ListFolder(LibraryFolder(appDir))) {
    if (WildcardMatch(name, "*.txt")) names.push_back(std::move(name));
  }
  return names;
}

void ListBox1Click(CatalogueView& view, const AppFolder& folder, TextLines& library) {
  library = {};
  auto load = [&](const std::string& item) {
    library = ReadTextLines(folder.files.ReadAll(LibraryFolder(folder.path) + item));
  };
  const int count = view.ItemCount();
  if (count == 0) {
    view.ShowMessage(texts::kScanFirst);
  } else if (count == 1) {
    load(view.Item(0));
  } else {
    for (int i = 0; i < count; ++i) {
      if (!view.Selected(i)) continue;
      const std::string item = view.Item(i);
      load(item);
      const std::string loaded = texts::kLibraryLoaded + Cp936ForDisplay(folder.codec, item);
      view.SetStatusCaption(loaded);
      view.ShowMessage(loaded);
    }
  }
}

}  // namespace zv
