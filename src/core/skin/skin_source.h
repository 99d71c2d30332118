#pragma once
// What a skinned control reads a skin through: the records, the pictures
// and the colours of the skin in force. The skin data component implements
// it; tests use a small skin built in memory. A source tells its readers
// when it is destroyed.
#include <string_view>

#include "core/base/bitmap.h"
#include "core/skin/control_records.h"
#include "core/skin/free_notifier.h"
#include "core/skin/global_sections.h"
#include "core/skin/skin_messages.h"

namespace zv {

class SkinSource : public FreeNotifier {
 public:
  virtual ~SkinSource() = default;
  // True when no skin is in force; controls then draw their plain look.
  virtual bool IsEmpty() const = 0;
  // The first control record of that exact (case-sensitive) name, or nullptr.
  virtual const TzsDataSkinControl* ControlRecord(std::string_view name) const = 0;
  // The active picture at `index`; an empty view for -1 or beyond the list.
  virtual BitmapView Picture(int index) const = 0;
  virtual const TzsSkinColors& Colors() const = 0;
  // The same skin at `dpi`: this source at 96 DPI; a source that keeps
  // scaled copies gives the copy for that DPI, valid until its skin changes.
  virtual const SkinSource& AtDpi(int dpi) const {
    (void)dpi;
    return *this;
  }
};

}  // namespace zv
