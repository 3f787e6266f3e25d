// Text-mode translation of the file class: "\n" is written as CR LF, and a
// line read comes back without its end, whether that was CR LF, a bare LF or
// the end of the file.
#pragma once
#include <string>

namespace textmode {

std::string ToDisk(const std::string& text);

// Takes the next line from `data` starting at `pos`; false at the end.
bool NextLine(const std::string& data, std::size_t& pos, std::string& line);

}  // namespace textmode
