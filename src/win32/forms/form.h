#pragma once
// A top-level window that owns its components: they are created in
// description order and destroyed in reverse.
#include <memory>
#include <string>
#include <vector>

#include "core/base/display_scale.h"
#include "core/base/geometry.h"
#include "core/skin/skin_messages.h"
#include "win32/forms/control.h"
#include "win32/platform/handles.h"

namespace zv::win {

struct FormDescription {
  std::string caption;
  Size clientSize;
  Point position;
  bool isMainForm = false;
};

class Form : public Control, public SkinMessageTarget {
 public:
  explicit Form(const std::string& name);
  ~Form() override;

  // Creates a component owned by this form, its window under `parent`.
  template <typename T, typename... Args>
  T& Add(Control& parent, std::string name, Args&&... args) {
    auto component = std::make_unique<T>(*this, parent, std::move(name), std::forward<Args>(args)...);
    T& ref = *component;
    components_.push_back(std::move(component));
    return ref;
  }

  // Builds a form: its description and components, then the layout, then
  // FormCreate, as a form is loaded from its description.
  template <typename T, typename... Args>
  static std::unique_ptr<T> Create(Args&&... args) {
    auto form = std::make_unique<T>(std::forward<Args>(args)...);
    form->Loaded();
    return form;
  }

  HFONT font() const { return font_.get(); }
  // The display scale the form is laid out at; its description is in
  // 96-DPI units.
  int dpi() const { return dpi_; }
  // True while the description is applied: layout waits until it is complete,
  // so controls line up by their designed places, not by creation order.
  bool loading() const { return loading_; }
  // Moves the focus to the next (or previous) control in tab order.
  void FocusNext(bool forward);
  std::vector<Control*> TabStops() const;
  // Shows the window and gives the focus to the first tab stop.
  void Show();
  void Close();

  static Form* FromWindow(HWND hwnd);

  // A skin message arrives as a window message sent to this form's window.
  void ReceiveSkinMessage(SkinMessage message, TzsSkinData& sender, long param) override;

 protected:
  // Creates the window from the description; derived forms call it first.
  void CreateForm(const FormDescription& description);

  void Loaded();
  // Lays the form out at `dpi` and gives the window `place` (screen
  // coordinates; none: its size at the new scale where it stands), drawing
  // once when all is done.
  void AdoptDpi(int dpi, const RECT* place);
  // The font and every control at the new scale; a form adds what it keeps
  // beside its controls (its frame, its skinned controls).
  virtual void ChangeDpi(int from, int to);
  virtual void FormCreate() {}
  virtual void FormShow() {}
  virtual void FormClose() {}

  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  std::vector<std::unique_ptr<Control>> components_;
  Font font_;
  bool isMainForm_ = false;
  bool loading_ = true;
  int dpi_ = kBaseDpi;
  HWND lastFocus_ = nullptr;
};

}  // namespace zv::win
