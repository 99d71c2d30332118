#pragma once
// The reference of every section and key the skin reader reads, as
// Markdown, made from the records' own key tables, so the document cannot
// drift from the reader.
#include <string>

namespace zv {

std::string SkinKeyReference();

}  // namespace zv
