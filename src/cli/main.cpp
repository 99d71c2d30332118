// zorvane-cli: the engine of Zorvane.exe, driven from a terminal.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/skin_command.h"
#include "embedded/default_skin.h"

int main(int argc, char** argv) {
  zv::SetEmbeddedSkin(zv::DefaultSkinStream());
  return zv::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
