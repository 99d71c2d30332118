#pragma once
// The word-library catalogue: the list of libraries under "data" and loading
// the one the user selects.
#include <string>
#include <vector>

#include "core/platform/files.h"

namespace zv {

// The libraries of AppDir + "data\": every entry matching "*.txt", of any
// kind, in enumeration order.
std::vector<std::string> ScanWordLibraries(Files& files, const std::string& appDir);

// The library list and status pane as ListBox1Click sees them.
class CatalogueView {
 public:
  virtual ~CatalogueView() = default;
  virtual int ItemCount() = 0;
  virtual std::string Item(int index) = 0;
  virtual bool Selected(int index) = 0;
  virtual void SetStatusCaption(const std::string& text) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
};

// ListBox1Click: drops the loaded library, then loads the selected one (two or
// more items), the only one silently (one item), or asks for a scan (none).
// A load error propagates with `libraryLines` left empty.
void ListBox1Click(CatalogueView& view, Files& files, const std::string& appDir,
                   std::vector<std::string>& libraryLines);

}  // namespace zv
