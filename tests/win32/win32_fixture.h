#pragma once
// A real main window in a scratch folder, with recording message boxes and
// shell and a counter that reads 0, 1, 2, ...
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/fakes.h"
#include "core/skin/package_skin.h"
#include "loopback_server.h"
#include "win32/app/main_window.h"
#include "win32/forms/application.h"
#include "win32/platform/gdi_text_renderer.h"
#include "win32/platform/text.h"
#include "win32/platform/win_downloader.h"
#include "win32/platform/win_picture_decoder.h"
#include "win32/platform/win_platform.h"

namespace zv::win::test {

class RecordingDialogs : public Dialogs {
 public:
  std::vector<std::string> messages;
  std::vector<std::string> errors;
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowError(const std::string& text) override { errors.push_back(text); }
};

class RecordingShell : public Shell {
 public:
  std::vector<std::string> urls;
  std::vector<std::string> folders;
  void OpenUrl(const std::string& target) override { urls.push_back(target); }
  void OpenFolderInExplorer(const std::string& folder) override { folders.push_back(folder); }
};

// A fresh folder under the temporary folder, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::string& path() const { return path_; }  // UTF-8, ends in "\"
  void Write(const std::string& relative, const std::string& bytes) const;
  std::string Read(const std::string& relative) const;
  bool Exists(const std::string& relative) const;

 private:
  std::string path_;
};

void PumpMessages();

// The skin built into the program, unpacked.
PackageSkin EmbeddedPackageSkin();
// A control's rectangle in its parent's client coordinates, read from Windows.
Rect WindowBounds(const Control& control);

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest();
  ~MainWindowTest() override;
  // Creates the window (and shows it, which scans the libraries).
  void Open(bool show = true);

  ScratchFolder folder;
  RecordingDialogs dialogs;
  RecordingShell shell;
  zv::test::FakeClock clock;
  WinFiles files;
  WinTextCodec codec;
  WinHttpDownloader downloader;
  WinPictureDecoder pictures;
  GdiTextRenderer text;
  // The promotion server; it serves nothing until a test fills it.
  LoopbackServer server;
  std::unique_ptr<AppServices> services;
  std::unique_ptr<AppState> state;
  std::unique_ptr<TfrmAd1> form;
};

}  // namespace zv::win::test
