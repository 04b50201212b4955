#include "platform/Keys.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace vk {
namespace {
struct Named {
    int code;
    const char* name;
};
constexpr Named kNames[] = {
    {LBUTTON, "LBUTTON"}, {RBUTTON, "RBUTTON"},   {BACK, "BACK"},         {TAB, "TAB"},
    {RETURN, "RETURN"},   {SHIFT, "SHIFT"},       {CONTROL, "CONTROL"},   {MENU, "MENU"},
    {PAUSE, "PAUSE"},     {ESCAPE, "ESCAPE"},     {SPACE, "SPACE"},       {PRIOR, "PRIOR"},
    {NEXT, "NEXT"},       {END, "END"},           {HOME, "HOME"},         {LEFT, "LEFT"},
    {UP, "UP"},           {RIGHT, "RIGHT"},       {DOWN, "DOWN"},         {INSERT, "INSERT"},
    {DELETE_, "DELETE"},  {MULTIPLY, "MULTIPLY"}, {ADD, "ADD"},           {SUBTRACT, "SUBTRACT"},
    {DECIMAL, "DECIMAL"}, {DIVIDE, "DIVIDE"},     {LSHIFT, "LSHIFT"},     {RSHIFT, "RSHIFT"},
    {LCONTROL, "LCONTROL"}, {RCONTROL, "RCONTROL"}, {OEM_1, "OEM_1"},     {OEM_PLUS, "OEM_PLUS"},
    {OEM_COMMA, "OEM_COMMA"}, {OEM_MINUS, "OEM_MINUS"}, {OEM_PERIOD, "OEM_PERIOD"},
    {OEM_2, "OEM_2"},     {OEM_3, "OEM_3"},       {OEM_4, "OEM_4"},       {OEM_5, "OEM_5"},
    {OEM_6, "OEM_6"},     {OEM_7, "OEM_7"},
};

std::string upper(const std::string& s) {
    std::string out = s;
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}
}  // namespace

std::string keyName(int code) {
    for (const Named& n : kNames)
        if (n.code == code) return n.name;
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return std::string(1, char(code));
    if (code >= F1 && code <= F12) return "F" + std::to_string(code - F1 + 1);
    if (code >= NUMPAD0 && code <= NUMPAD0 + 9) return "NUMPAD" + std::to_string(code - NUMPAD0);
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", code & 0xFF);
    return hex;
}

std::optional<int> keyFromName(const std::string& name) {
    if (name.empty()) return std::nullopt;
    const std::string u = upper(name);
    for (const Named& n : kNames)
        if (u == n.name) return n.code;
    if (u.size() == 1 && ((u[0] >= 'A' && u[0] <= 'Z') || (u[0] >= '0' && u[0] <= '9'))) return u[0];
    if (u.size() >= 2 && u[0] == 'F' && std::isdigit(static_cast<unsigned char>(u[1]))) {
        int n = std::atoi(u.c_str() + 1);
        if (n >= 1 && n <= 12) return F1 + n - 1;
    }
    if (u.rfind("NUMPAD", 0) == 0 && u.size() == 7 && std::isdigit(static_cast<unsigned char>(u[6])))
        return NUMPAD0 + (u[6] - '0');
    char* end = nullptr;
    long v = std::strtol(name.c_str(), &end, 0);
    if (end && *end == '\0' && v >= 0 && v < 256) return static_cast<int>(v);
    return std::nullopt;
}
}  // namespace vk
