#pragma once
// An ordered list of CP936 byte strings with the line rules every text file
// of the program is read by.
#include <string>
#include <string_view>
#include <vector>

namespace zv {

// Splits text into lines: a line ends at CR LF, CR or LF; a NUL byte ends the
// text; empty lines are kept; a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// Calls `sink(line)` for every line SplitLines would return, without
// building the vector.
template <typename Sink>
void ForEachLine(std::string_view text, Sink&& sink) {
  std::size_t start = 0;
  std::size_t i = 0;
  const std::size_t size = text.size();
  for (; i < size; ++i) {
    const char c = text[i];
    if (c == '\0') break;
    if (c != '\r' && c != '\n') continue;
    sink(text.substr(start, i - start));
    if (c == '\r' && i + 1 < size && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < i) sink(text.substr(start, i - start));
}

// Every item followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// Removes every CR LF pair, again and again until none is left; a CR or LF
// standing alone stays. Linear: a deleted pair can only join a CR before it
// with an LF after it, which a stack of pending CRs catches.
std::string StripLineBreaks(std::string_view text);

}  // namespace zv
