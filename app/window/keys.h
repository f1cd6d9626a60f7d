#pragma once

namespace vclock {

// Keys as a window sees them: by the character they type, 0 for a key that
// types none (an arrow, a function key). Tab, with or without Shift, moves
// the focus; every other key that types a character, Enter, Escape and
// Backspace included, is a character key and reaches the window's KeyPress.
inline constexpr char32_t kTabKey = U'\t';

constexpr bool isCharacterKey(char32_t key) { return key != 0 && key != kTabKey; }

}  // namespace vclock
