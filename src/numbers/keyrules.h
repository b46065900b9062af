#pragma once
// The key rules themselves, independent of the toolkit.

namespace kovolo::numbers {

// Character rule of numeric fields: returns c when it may be typed (Backspace 8, "," 44, "." 46,
// "0".."9"), else 0.
char16_t numericKeyFilter(char16_t c);

// Key-down rule of drop-down lists: only Up (38) and Down (40) pass.
inline constexpr int virtualKeyUp = 38;
inline constexpr int virtualKeyDown = 40;
bool listOnlyKeyAllowed(int virtualKey);

} // namespace kovolo::numbers
