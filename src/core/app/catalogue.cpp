#include "core/app/catalogue.h"

#include "core/app/texts.h"
#include "core/base/path.h"
#include "core/base/string_list.h"

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

void ListBox1Click(CatalogueView& view, Files& files, const std::string& appDir,
                   std::vector<std::string>& libraryLines) {
  libraryLines.clear();
  auto load = [&](const std::string& item) {
    libraryLines = SplitLines(files.ReadAll(LibraryFolder(appDir) + item));
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
      view.SetStatusCaption(texts::kLibraryLoaded + item);
      view.ShowMessage(texts::kLibraryLoaded + item);
    }
  }
}

}  // namespace zv
