#pragma once
// The word-library catalogue: the list of libraries under "data" and loading
// the one the user selects.
#include <string>
#include <vector>

#include "core/app/article_file.h"
#include "core/base/text_file.h"
#include "core/platform/files.h"

namespace zv {

// The libraries of AppDir + "data\": every entry matching "*.txt", of any
// kind, in enumeration order. Names are UTF-8, whatever characters they hold.
std::vector<std::string> ScanWordLibraries(Files& files, const std::string& appDir);

// The library list and status pane as ListBox1Click sees them. Items are
// UTF-8 file names; captions and messages are CP936.
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
// The library's encoding is found as it is read. A load error propagates with
// `library` left empty.
void ListBox1Click(CatalogueView& view, const AppFolder& folder, TextLines& library);

}  // namespace zv
