#include "framework/text_mode.h"

namespace textmode {

std::string ToDisk(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

bool NextLine(const std::string& data, std::size_t& pos, std::string& line) {
  line.clear();
  if (pos >= data.size()) return false;
  std::size_t end = data.find('\n', pos);
  const std::size_t next = end == std::string::npos ? data.size() : end + 1;
  if (end == std::string::npos) end = data.size();
  line.assign(data, pos, end - pos);
  if (!line.empty() && line.back() == '\r' && end < data.size()) line.pop_back();
  pos = next;
  return true;
}

}  // namespace textmode
