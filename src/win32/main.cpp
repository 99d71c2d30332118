// Zorvane.exe: the program entry.
#include <windows.h>

#include <commctrl.h>

#include "core/app/texts.h"
#include "win32/app/main_window.h"
#include "win32/forms/application.h"
#include "win32/platform/gdi_text_renderer.h"
#include "win32/platform/text.h"
#include "win32/platform/win_downloader.h"
#include "win32/platform/win_picture_decoder.h"
#include "win32/platform/win_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace zv::win;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  Application& app = Application::Instance();
  app.set_title(zv::texts::kAppTitle);

  WinFiles files;
  WinTextCodec codec;
  WinClock clock;
  WinShell shell;
  WinHttpDownloader downloader;
  WinPictureDecoder pictures;
  GdiTextRenderer text;
  AppServices services{files, codec, clock, shell, ExecutableFolder(), downloader, pictures, text};
  AppState state(clock);

  auto frmAd1 = Form::Create<TfrmAd1>(services, state);
  auto frmAd = Form::Create<TfrmAd>(services, state);
  frmAd1->Show();
  return app.Run();
}
