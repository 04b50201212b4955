#include "app/Exception.h"

#include <cstdio>
#include <cstring>

Exception::Exception(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(message_, sizeof message_, format, args);
    va_end(args);
}

Exception Exception::fromText(const std::string& text) {
    Exception e;
    std::snprintf(e.message_, sizeof e.message_, "%s", text.c_str());
    return e;
}
