// zorvane-cli: the engine of Zorvane.exe, driven from a terminal.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/skin_command.h"
#include "embedded/default_skin.h"

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>

#include "win32/platform/text.h"
#endif

namespace {

// The arguments in UTF-8: on Windows from the wide command line, so no
// character is lost to the ANSI code page.
std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef _WIN32
  (void)argc;
  (void)argv;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(zv::win::Utf8FromWide(wide[i]));
  LocalFree(wide);
  return args;
#else
  return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  zv::SetEmbeddedSkin(zv::DefaultSkinStream());
#ifdef _WIN32
  // The terminal text is UTF-8 everywhere; the console gets its code page back.
  const UINT consolePage = GetConsoleOutputCP();
  SetConsoleOutputCP(CP_UTF8);
  const int status = zv::RunCommandLine(Arguments(argc, argv), std::cout, std::cerr);
  std::cout.flush();
  SetConsoleOutputCP(consolePage);
  return status;
#else
  return zv::RunCommandLine(Arguments(argc, argv), std::cout, std::cerr);
#endif
}
