#include "win32_fixture.h"

#include <shellapi.h>

#include "core/base/byte_stream.h"
#include "core/skin/package.h"
#include "core/skin/stored_skin.h"
#include "win32/skin/embedded_skin.h"

namespace zv::win::test {

ScratchFolder::ScratchFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static int counter = 0;
  const std::wstring dir = std::wstring(temp) + L"zorvane-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                           std::to_wstring(++counter);
  CreateDirectoryW(dir.c_str(), nullptr);
  CreateDirectoryW((dir + L"\\data").c_str(), nullptr);
  path_ = Utf8FromWide(dir) + "\\";
}

ScratchFolder::~ScratchFolder() {
  std::wstring from = WideFromUtf8(path_.substr(0, path_.size() - 1));
  from.push_back(L'\0');  // double-terminated list
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NO_UI;
  SHFileOperationW(&op);
}

void ScratchFolder::Write(const std::string& relative, const std::string& bytes) const {
  WinFiles().WriteAtomic(path_ + relative, bytes);
}

std::string ScratchFolder::Read(const std::string& relative) const { return WinFiles().ReadAll(path_ + relative); }

bool ScratchFolder::Exists(const std::string& relative) const { return WinFiles().Exists(path_ + relative); }

PackageSkin EmbeddedPackageSkin() {
  ByteReader stream(EmbeddedSkinResource());
  TzsCompressedStoredSkin stored;
  stored.ReadSkinStream(stream);
  std::vector<std::uint8_t> package;
  stored.Unpack(package);
  return PackageSkin(ReadPackage(package));
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (Application::Instance().PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

Rect WindowBounds(const Control& control) {
  RECT r{};
  GetWindowRect(control.hwnd(), &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(control.hwnd()), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

MainWindowTest::MainWindowTest() {
  Application::Instance().set_dialogs(&dialogs);
  services = std::make_unique<AppServices>(
      AppServices{files, codec, clock, shell, folder.path(), downloader, pictures, text, server.baseUrl()});
  state = std::make_unique<AppState>(clock);
}

MainWindowTest::~MainWindowTest() {
  form.reset();
  PumpMessages();
  Application::Instance().set_dialogs(nullptr);
}

void MainWindowTest::Open(bool show) {
  form = Form::Create<TfrmAd1>(*services, *state);
  if (show) form->Show();
  PumpMessages();
}

}  // namespace zv::win::test
