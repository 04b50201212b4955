#pragma once
// The event trace: one line per meaningful event, "<tick> <event> <details>",
// written when the program runs with --trace. Tests assert on these lines.

#include <string>

void traceOpen(const std::string& path);
void traceClose();
bool traceEnabled();
void trace(const char* format, ...) __attribute__((format(printf, 1, 2)));
// For tests: the trace goes to memory as well as (or instead of) a file.
void traceCaptureToMemory(bool on);
const std::string& traceCaptured();
void traceClearCaptured();
