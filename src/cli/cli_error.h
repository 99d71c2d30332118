#pragma once
#include <string>

#include "core/base/error.h"

namespace zv {

// A mistake on the command line: printed with the help hint, exit code 2.
class CliError : public Error {
 public:
  using Error::Error;
  // An option the command does not take; the message names the nearest
  // one it does.
  static CliError UnknownOption(const std::string& option) {
    CliError error("unknown option " + option);
    error.unknownOption = option;
    return error;
  }
  std::string unknownOption;
};

}  // namespace zv
