#pragma once
#include "core/base/error.h"

namespace zv {

// A mistake on the command line: printed with the usage hint, exit code 2.
class CliError : public Error {
 public:
  using Error::Error;
};

}  // namespace zv
