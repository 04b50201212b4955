#include "audio/WorkerThread.h"

#include <system_error>

#include "app/Exception.h"
#include "platform/Platform.h"

WorkerThread::~WorkerThread() { stopThread(); }

void WorkerThread::startThread(Priority priority) {
    stopThread();
    running_.store(true, std::memory_order_release);
    // The platform is looked up here, on the starting thread: it is set once
    // at start-up, before any worker runs.
    platform::Platform* raiser =
        priority == Priority::AboveNormal && platform::hasCurrent() ? &platform::current() : nullptr;
    try {
        thread_ = std::thread([this, raiser] {
            if (raiser) raiser->raiseThreadPriority();
            run();
        });
    } catch (const std::system_error&) {
        running_.store(false, std::memory_order_release);
        throw Exception("Cannot create music thread!");
    }
}

void WorkerThread::stopThread() {
    if (!thread_.joinable()) return;
    running_.store(false, std::memory_order_release);
    wakeThread();
    thread_.join();
}
