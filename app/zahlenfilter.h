#pragma once
// The key filter of the numeric boxes, on the character code of one key.

namespace fluvan::app {

inline constexpr int KeyAsciiBackspace = 8;
inline constexpr int KeyAsciiPunkt = 46;
inline constexpr int KeyAsciiKomma = 44;

// Digits, Backspace and "." pass unchanged; a comma becomes "." so that "1,5"
// cannot turn into 15 unseen; any other code becomes 0, which discards the key.
constexpr int Zahlenfilter(int KeyAscii) {
    if (KeyAscii >= '0' && KeyAscii <= '9') return KeyAscii;
    if (KeyAscii == KeyAsciiBackspace || KeyAscii == KeyAsciiPunkt) return KeyAscii;
    if (KeyAscii == KeyAsciiKomma) return KeyAsciiPunkt;
    return 0;
}

}  // namespace fluvan::app
