// Sections: the sheet's layout; the frame's looks; the menu; the sheet.
#include "cli/skin_states_sheet.h"

#include <algorithm>
#include <optional>

#include "cli/preview_platform.h"
#include "cli/skin_frame_command.h"
#include "cli/skin_render.h"
#include "core/app/texts.h"
#include "core/base/display_scale.h"
#include "core/gfx/blit.h"
#include "core/gfx/effects.h"
#include "core/menus/skin_menu.h"
#include "core/skin/rect_rules.h"

namespace zv {
namespace {

// --- the sheet's layout ---

struct SheetRow {
  std::string label;
  std::vector<Bitmap> cells;  // an empty bitmap leaves its column blank
};

struct SheetSection {
  std::string title;
  std::vector<std::string> columns;  // headings; none: no heading row
  std::vector<SheetRow> rows;
};

constexpr Pixel kSheetBack{236, 236, 236, 255};
constexpr ColorRef kLabelColor = 0;

class SheetLayout {
 public:
  SheetLayout(TextRenderer& text, int dpi) : text_(text), gap_(ScaleLength(8, dpi)) {
    label_.height = ScaleFontHeight(-12, dpi);
    label_.color = kLabelColor;
    title_ = label_;
    title_.style = kFontBold;
  }

  Bitmap Compose(const std::vector<SheetSection>& sections) {
    int labelWidth = 0;
    for (const SheetSection& s : sections) {
      for (const SheetRow& row : s.rows) labelWidth = std::max(labelWidth, text_.Measure(label_, row.label).width);
    }
    const int cellsLeft = gap_ + labelWidth + gap_;
    Size size{0, gap_};
    std::vector<std::vector<int>> widths;
    for (const SheetSection& s : sections) {
      widths.push_back(ColumnWidths(s));
      int right = cellsLeft;
      for (const int w : widths.back()) right += w + gap_;
      size.width = std::max({size.width, right, gap_ + text_.Measure(title_, s.title).width + gap_});
      size.height += SectionHeight(s);
    }
    Bitmap sheet(std::max(size.width, 1), size.height, kSheetBack);
    int y = gap_;
    for (std::size_t i = 0; i < sections.size(); ++i)
      y = DrawSection(sheet.view(), sections[i], widths[i], cellsLeft, y);
    return sheet;
  }

 private:
  std::vector<int> ColumnWidths(const SheetSection& s) {
    std::vector<int> widths(s.columns.size());
    for (std::size_t c = 0; c < s.columns.size(); ++c) widths[c] = text_.Measure(label_, s.columns[c]).width;
    for (const SheetRow& row : s.rows) {
      if (widths.size() < row.cells.size()) widths.resize(row.cells.size());
      for (std::size_t c = 0; c < row.cells.size(); ++c) widths[c] = std::max(widths[c], row.cells[c].width());
    }
    return widths;
  }

  int LineHeight(const FontSpec& font) { return text_.Measure(font, "Xg").height; }

  int RowHeight(const SheetRow& row) {
    int height = LineHeight(label_);
    for (const Bitmap& cell : row.cells) height = std::max(height, cell.height());
    return height;
  }

  int SectionHeight(const SheetSection& s) {
    int height = LineHeight(title_) + gap_;
    if (!s.columns.empty()) height += LineHeight(label_) + gap_ / 2;
    for (const SheetRow& row : s.rows) height += RowHeight(row) + gap_ / 2;
    return height + gap_;
  }

  void Label(const BitmapView& sheet, const FontSpec& font, const std::string& text, Point at) {
    text_.Draw(sheet, font, text, at, sheet.bounds());
  }

  // Returns the top of the next section.
  int DrawSection(const BitmapView& sheet, const SheetSection& s, const std::vector<int>& widths, int cellsLeft,
                  int y) {
    Label(sheet, title_, s.title, {gap_, y});
    y += LineHeight(title_) + gap_;
    if (!s.columns.empty()) {
      int x = cellsLeft;
      for (std::size_t c = 0; c < s.columns.size(); ++c) {
        Label(sheet, label_, s.columns[c], {x, y});
        x += widths[c] + gap_;
      }
      y += LineHeight(label_) + gap_ / 2;
    }
    for (const SheetRow& row : s.rows) {
      const int height = RowHeight(row);
      Label(sheet, label_, row.label, {gap_, y + (height - LineHeight(label_)) / 2});
      int x = cellsLeft;
      for (std::size_t c = 0; c < row.cells.size(); ++c) {
        Bitmap& cell = const_cast<Bitmap&>(row.cells[c]);
        if (cell.width() > 0) AlphaBlend(sheet, {x, y + (height - cell.height()) / 2}, cell.view());
        x += widths[c] + gap_;
      }
      y += height + gap_ / 2;
    }
    return y + gap_;
  }

  TextRenderer& text_;
  int gap_;
  FontSpec label_, title_;
};

// --- the frame's looks ---

enum class Press { kNone, kHot, kDown };

struct ButtonLook {
  const char* heading;
  Press press;
  bool active;  // the window's
};
constexpr ButtonLook kButtonLooks[] = {
    {"normal", Press::kNone, true},
    {"hot", Press::kHot, true},
    {"down", Press::kDown, true},
    {"inactive", Press::kNone, false},
};

// The state a button undoes, in which it shows its restore look.
struct RestoreState {
  ButtonCommand command;
  FrameState state;
  const char* name;
};
constexpr RestoreState kRestoreStates[] = {
    {ButtonCommand::cmMaximize, {true, false, false}, "maximized"},
    {ButtonCommand::cmMinimize, {false, true, false}, "minimized"},
    {ButtonCommand::cmRollUp, {false, false, true}, "rolled up"},
};

Bitmap Crop(const Bitmap& picture, const Rect& r) {
  const Rect inside = r.Intersect({0, 0, picture.width(), picture.height()});
  Bitmap out(std::max(inside.Width(), 0), std::max(inside.Height(), 0));
  if (out.width() > 0 && out.height() > 0) {
    Blit(out.view(), {0, 0}, const_cast<Bitmap&>(picture).view(), inside);
  }
  return out;
}

class FrameLooks {
 public:
  FrameLooks(const PackageSkin& skin, int dpi, TextRenderer& text) : text_(text) {
    frame_.SetSkin(FrameSkinOf(skin, dpi));
    frame_.SetOptions({BorderIcons::All()});
    const Size min = frame_.MinSize({});
    size_ = {std::max(min.width, ScaleLength(360, dpi)), std::max(min.height, ScaleLength(120, dpi))};
    frame_.Resize(size_);
  }

  SheetSection CaptionBar() {
    SheetSection section{"caption bar", {}, {}};
    for (const bool active : {true, false}) {
      const Bitmap window = Window({}, active, std::nullopt, Press::kNone);
      section.rows.push_back(
          {active ? "active window" : "inactive window", {Crop(window, {0, 0, size_.width, frame_.ClientRect().top})}});
    }
    return section;
  }

  SheetSection Buttons() {
    SheetSection section{"caption buttons", {}, {}};
    for (const ButtonLook& look : kButtonLooks) section.columns.push_back(look.heading);
    for (std::size_t i = 0; i < frame_.objects().size(); ++i) {
      const CaptionObject& o = frame_.objects()[i];
      if (!o.Presses() || !o.visible || o.rect.IsEmpty()) continue;
      const std::string name = o.Name();
      section.rows.push_back(ButtonRow(name, i, {}));
      for (const RestoreState& restore : kRestoreStates) {
        if (o.command == restore.command && HasRestoreLook(o)) {
          section.rows.push_back(ButtonRow(name + ", " + restore.name, i, restore.state));
        }
      }
    }
    return section;
  }

 private:
  static bool HasRestoreLook(const CaptionObject& o) {
    const auto* std = dynamic_cast<const TzsDataSkinStdButton*>(o.record);
    return std != nullptr && !IsNullRect(std->restoreRect);
  }

  SheetRow ButtonRow(std::string label, std::size_t index, const FrameState& state) {
    SheetRow row{std::move(label), {}};
    for (const ButtonLook& look : kButtonLooks) {
      const Bitmap window = Window(state, look.active, index, look.press);
      row.cells.push_back(Crop(window, frame_.objects()[index].rect));
    }
    return row;
  }

  // The whole window with the object at `index` under the mouse or pressed.
  Bitmap Window(const FrameState& state, bool active, std::optional<std::size_t> index, Press press) {
    frame_.SetState(state);
    frame_.Resize(size_);
    frame_.RefreshActiveLook(active, false);
    frame_.ResetObjectLooks();
    if (index && press != Press::kNone) {
      CaptionObject& o = frame_.objects()[*index];
      o.active = o.mouseIn = true;
      o.morph = 1;
      o.down = press == Press::kDown;
    }
    Bitmap window = RenderWindowFrame(frame_, text_, texts::kMainCaption, active);
    if (index) frame_.objects()[*index].down = false;
    return window;
  }

  TextRenderer& text_;
  SkinFrame frame_;
  Size size_;
};

// --- the menu ---

MenuNode Item(const char* caption, bool enabled = true, const char* shortcut = "") {
  MenuNode node;
  node.caption = caption;
  node.enabled = enabled;
  node.shortcut = shortcut;
  return node;
}

SheetSection MenuSection(const PackageSkin& skin, int dpi, TextRenderer& text) {
  MenuNode root;
  root.children = {Item("&Normal item"),
                   Item("&Active item"),
                   Item("&Disabled item", false),
                   Item("-"),
                   Item("With a &shortcut", true, "Ctrl+S"),
                   Item("&Checked item"),
                   Item("Sub&menu")};
  root.children[5].checked = true;
  root.children[6].children = {Item("Inner item")};
  PreviewPlatform platform(text, {0, 0, kMaxRenderSide, kMaxRenderSide});
  const MenuSkin menuSkin = MenuSkinOf(skin, dpi);
  TzsSkinMenu menu(platform, nullptr);
  menu.Open(nullptr, menuSkin, root, {0, 0, 0, 0});
  menu.KeyDown(kKeyDown);  // from the first item to "Active item", as the keyboard goes
  TzsSkinPopupWindow& window = *menu.Top();
  Bitmap picture(window.WindowSize().width, window.WindowSize().height);
  window.Paint(picture.view());
  KeepOnlyRegion(picture.view(), window.Region());
  SheetSection section{"menu", {}, {}};
  section.rows.push_back({"popup menu", {}});
  section.rows.back().cells.push_back(std::move(picture));
  return section;
}

}  // namespace

Bitmap RenderStatesSheet(const PackageSkin& skin, int dpi, TextRenderer& text) {
  if (skin.MainPicture().width() <= 0) throw Error("the skin has no main picture");
  FrameLooks looks(skin, dpi, text);
  std::vector<SheetSection> sections;
  sections.push_back(looks.CaptionBar());
  sections.push_back(looks.Buttons());
  sections.push_back(MenuSection(skin, dpi, text));
  return SheetLayout(text, dpi).Compose(sections);
}

}  // namespace zv
