#include "framework/mbcs.h"

namespace mbcs {

std::size_t CharLength(const std::string& text, std::size_t pos, const LeadByteFn& isLeadByte) {
  return (isLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) ? 2 : 1;
}

int Find(const std::string& text, const std::string& what, int start, const LeadByteFn& isLeadByte) {
  const std::size_t from = start < 0 ? 0 : static_cast<std::size_t>(start);
  for (std::size_t i = 0; i <= text.size(); i += (i < text.size() ? CharLength(text, i, isLeadByte) : 1)) {
    if (i >= from && text.size() - i >= what.size() && text.compare(i, what.size(), what) == 0)
      return static_cast<int>(i);
    if (i == text.size()) break;
  }
  return -1;
}

}  // namespace mbcs
