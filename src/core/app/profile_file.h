#pragma once
// Settings files read and written one value at a time, the way the
// platform's private-profile functions treat them: section and key names
// compare without regard to case, a read returns at most 2047 characters and
// a write changes one line and keeps the rest of the file as it was.
//
// Skin definitions have a parser of their own; this one is only for small
// key=value settings files.
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/files.h"

namespace zv {

inline constexpr std::size_t kProfileValueLimit = 2047;

// The value under section and key in profile text, trimmed of blanks and of
// one pair of enclosing quotes and cut to kProfileValueLimit; `fallback`
// when the section or key is missing.
std::string ReadProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view fallback);

// The text with section and key set to value: an existing line is replaced,
// a new key goes after the section's last entry, a new section at the end.
// Nothing when a name or the value would break the file's lines.
std::optional<std::string> WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                                            std::string_view value);

// ReadProfileValue on a file; a missing or unreadable file reads as empty.
std::string ReadProfileString(Files& files, const std::string& path, std::string_view section, std::string_view key,
                              std::string_view fallback);

// WithProfileValue on a file, written atomically. Throws "Unable to write to
// %s" when the file cannot be read back or replaced, or the value does not fit.
void WriteProfileString(Files& files, const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace zv
