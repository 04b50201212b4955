#include "app/Trace.h"

#include <cstdarg>
#include <cstdio>

#include "app/Exception.h"
#include "platform/Platform.h"

namespace {
FILE* gTraceFile = nullptr;
bool gCapture = false;
std::string gCaptured;
}  // namespace

void traceOpen(const std::string& path) {
    traceClose();
    gTraceFile = std::fopen(path.c_str(), "w");
    if (!gTraceFile) throw Exception("Cannot create trace file: %s", path.c_str());
}

void traceClose() {
    if (gTraceFile) std::fclose(gTraceFile);
    gTraceFile = nullptr;
}

bool traceEnabled() { return gTraceFile != nullptr || gCapture; }

void trace(const char* format, ...) {
    if (!traceEnabled()) return;
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    const unsigned long long tick = platform::hasCurrent() ? platform::current().ticksRun : 0;
    char line[1100];
    std::snprintf(line, sizeof line, "%llu %s\n", tick, text);
    if (gTraceFile) {
        std::fputs(line, gTraceFile);
        std::fflush(gTraceFile);
    }
    if (gCapture) gCaptured += line;
}

void traceCaptureToMemory(bool on) { gCapture = on; }
const std::string& traceCaptured() { return gCaptured; }
void traceClearCaptured() { gCaptured.clear(); }
