#pragma once
// The command line's CP936 conversions: iconv on Linux, code page 936 on
// Windows, one instance for the process.
#include "core/platform/text_codec.h"

namespace zv {

TextCodec& CliCodec();

}  // namespace zv
