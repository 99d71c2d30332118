#pragma once
// The application object: its title, the message boxes, the default error
// display every handler reports through, and the message loop.
#include <windows.h>

#include <exception>
#include <string>
#include <utility>

namespace zv::win {

// Modal boxes. Tests replace them with a recorder.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A plain message: the text, OK, the application title as caption.
  virtual void ShowMessage(const std::string& text) = 0;
  // The default error display: the same with an error icon.
  virtual void ShowError(const std::string& text) = 0;
};

class MessageBoxDialogs : public Dialogs {
 public:
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
};

class Application {
 public:
  static Application& Instance();

  const std::string& title() const { return title_; }
  void set_title(std::string title) { title_ = std::move(title); }
  Dialogs& dialogs() { return *dialogs_; }
  // Replaces the boxes (tests); nullptr restores the real ones.
  void set_dialogs(Dialogs* dialogs) { dialogs_ = dialogs ? dialogs : &messageBoxes_; }

  // Runs a handler; an error it raises goes to the default error display and
  // the message loop goes on.
  template <typename Handler>
  void Guard(Handler&& handler) {
    try {
      std::forward<Handler>(handler)();
    } catch (const std::exception& e) {
      ShowException(e);
    }
  }
  void ShowException(const std::exception& e);

  // Pumps messages until WM_QUIT; returns its exit code.
  int Run();
  // Handles the keys the forms take before any control sees them: Tab, and
  // Enter on a push button.
  bool PreTranslate(MSG& msg);

 private:
  Application() = default;
  std::string title_;
  MessageBoxDialogs messageBoxes_;
  Dialogs* dialogs_ = &messageBoxes_;
};

}  // namespace zv::win
