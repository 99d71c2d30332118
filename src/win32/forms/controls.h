#pragma once
// The plain controls the forms are built from.
#include <string>
#include <string_view>
#include <vector>

#include "core/base/bitmap.h"
#include "win32/controls/link_image.h"
#include "win32/forms/control.h"

namespace zv::win {

// A container with an optional one-pixel raised bevel and a centred caption.
class Panel : public Control {
 public:
  Panel(Form& owner, Control& parent, std::string name, const Rect& bounds, bool raisedBevel = true);
  int bevelWidth() const { return bevelWidth_; }

 protected:
  Rect ChildArea() const override;
  void Paint(HDC dc) override;

 private:
  int bevelWidth_;
};

class Button : public Control {
 public:
  Button(Form& owner, Control& parent, std::string name, const Rect& bounds, const std::string& caption);
  bool CanFocus() const override { return true; }

 protected:
  void OnCommand(WORD code) override;
};

// A multi-line edit that wraps words.
class Memo : public Control {
 public:
  Memo(Form& owner, Control& parent, std::string name, const Rect& bounds, bool verticalScrollBar);
  bool CanFocus() const override { return true; }

  void SetText(const std::string& cp936) { SetCaption(cp936); }
  std::string Text() const { return Caption(); }
  // Unicode text, which CP936 could not hold (an article from a UTF-8 library).
  void SetTextUtf8(std::string_view utf8);
  std::string TextUtf8() const;
  // The lines as displayed (wrapped), in UTF-8; an empty last line is not
  // counted.
  std::vector<std::string> DisplayedLines() const;
};

// A single-selection, unsorted list of UTF-8 items (file names, which may
// hold any character).
class ListBox : public Control {
 public:
  ListBox(Form& owner, Control& parent, std::string name, const Rect& bounds, int itemHeight);
  bool CanFocus() const override { return true; }

  void Clear();
  void Add(const std::string& utf8);
  int Count() const;
  std::string Item(int index) const;
  bool Selected(int index) const;
  void Select(int index);

 protected:
  void OnCommand(WORD code) override;
  void ScaleContents(int from, int to) override;

 private:
  int itemHeight_;
};

class Label : public Control {
 public:
  Label(Form& owner, Control& parent, std::string name, const Rect& bounds, const std::string& caption);
};

}  // namespace zv::win
