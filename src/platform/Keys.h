#pragma once
// Virtual-key codes. Game data and code name keys by these numbers, so every
// backend translates its own key events into them.

#include <optional>
#include <string>

namespace vk {
constexpr int LBUTTON = 0x01;
constexpr int RBUTTON = 0x02;
constexpr int BACK = 0x08;
constexpr int TAB = 0x09;
constexpr int RETURN = 0x0D;
constexpr int SHIFT = 0x10;
constexpr int CONTROL = 0x11;
constexpr int MENU = 0x12;  // Alt
constexpr int PAUSE = 0x13;
constexpr int ESCAPE = 0x1B;
constexpr int SPACE = 0x20;
constexpr int PRIOR = 0x21;
constexpr int NEXT = 0x22;
constexpr int END = 0x23;
constexpr int HOME = 0x24;
constexpr int LEFT = 0x25;
constexpr int UP = 0x26;
constexpr int RIGHT = 0x27;
constexpr int DOWN = 0x28;
constexpr int INSERT = 0x2D;
constexpr int DELETE_ = 0x2E;
constexpr int NUMPAD0 = 0x60;
constexpr int MULTIPLY = 0x6A;
constexpr int ADD = 0x6B;
constexpr int SUBTRACT = 0x6D;
constexpr int DECIMAL = 0x6E;
constexpr int DIVIDE = 0x6F;
constexpr int F1 = 0x70;
constexpr int F2 = 0x71;
constexpr int F3 = 0x72;
constexpr int F4 = 0x73;
constexpr int F5 = 0x74;
constexpr int F6 = 0x75;
constexpr int F7 = 0x76;
constexpr int F8 = 0x77;
constexpr int F9 = 0x78;
constexpr int F10 = 0x79;
constexpr int F11 = 0x7A;
constexpr int F12 = 0x7B;
constexpr int LSHIFT = 0xA0;
constexpr int RSHIFT = 0xA1;
constexpr int LCONTROL = 0xA2;
constexpr int RCONTROL = 0xA3;
constexpr int OEM_1 = 0xBA;  // ;:
constexpr int OEM_PLUS = 0xBB;
constexpr int OEM_COMMA = 0xBC;
constexpr int OEM_MINUS = 0xBD;
constexpr int OEM_PERIOD = 0xBE;
constexpr int OEM_2 = 0xBF;  // /?
constexpr int OEM_3 = 0xC0;  // `~
constexpr int OEM_4 = 0xDB;  // [
constexpr int OEM_5 = 0xDC;  // backslash
constexpr int OEM_6 = 0xDD;  // ]
constexpr int OEM_7 = 0xDE;  // '

// Name of a key as replay files write it ("ESCAPE", "F3", "A", "1", "SPACE"),
// or the hexadecimal number ("0x07") when the key has no name.
std::string keyName(int code);
// The code of a key named as keyName writes it, or a decimal/hex number; nullopt if unknown.
std::optional<int> keyFromName(const std::string& name);
}  // namespace vk
