#include "audio/WorkerThread.h"

#include <system_error>

#include "app/Exception.h"

WorkerThread::~WorkerThread() { stopThread(); }

void WorkerThread::startThread() {
    stopThread();
    running_.store(true, std::memory_order_release);
    try {
        thread_ = std::thread([this] { run(); });
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
