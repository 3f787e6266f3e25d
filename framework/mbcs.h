// Byte-string helpers that respect the double-byte characters of the ANSI code page.
#pragma once
#include <functional>
#include <string>

namespace mbcs {

// True when the byte starts a double-byte character.
using LeadByteFn = std::function<bool(unsigned char)>;

// Position of the first occurrence of `what` in `text` at or after `start`
// that begins on a character boundary; -1 when there is none.
int Find(const std::string& text, const std::string& what, int start, const LeadByteFn& isLeadByte);

// Length in bytes of the character that starts at `pos`.
std::size_t CharLength(const std::string& text, std::size_t pos, const LeadByteFn& isLeadByte);

}  // namespace mbcs
