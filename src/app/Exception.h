#pragma once
// The two exception types of the program. `Exception` carries one message of at
// most 254 characters, formatted printf-style where it is thrown; `ExceptionQuit`
// carries nothing and ends the program quietly (the window was closed).

#include <cstdarg>
#include <string>

class Exception {
public:
    static constexpr size_t kMaxLength = 254;

    Exception(const char* format, ...) __attribute__((format(printf, 2, 3)));
    static Exception fromText(const std::string& text);

    const char* message() const { return message_; }

private:
    Exception() = default;
    char message_[kMaxLength + 1] = {};
};

class ExceptionQuit {};
