#pragma once
// zorvane-cli's commands and their usage, picked from the command line.
#include <ostream>
#include <string>
#include <vector>

namespace zv {

// Runs the command named first in `args` (the arguments after the program's
// name) and returns the exit code: 0, 1 for a failure, 2 for a mistake on the
// command line. "--help" or "-h" prints the usage (of the command, when one
// is named) to `out` and exits 0; errors and usage hints go to `err`.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zv
