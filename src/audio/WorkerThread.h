#pragma once
// A small thread base: startThread runs `run` on a thread of its own until
// stopThread clears the running flag and waits for the thread to end. A class
// that sleeps in `run` overrides wakeThread so that stopping does not wait for
// the sleep to end.

#include <atomic>
#include <thread>

class WorkerThread {
public:
    WorkerThread() = default;
    // A derived class must call stopThread in its own destructor: `run` may
    // use the derived object until the thread has ended.
    virtual ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    enum class Priority { Normal, AboveNormal };

    // Stops a running thread first. Throws Exception "Cannot create music
    // thread!" when no thread can be created. AboveNormal asks the platform to
    // raise the new thread's priority; a refusal leaves it at normal.
    void startThread(Priority priority = Priority::Normal);
    void stopThread();
    bool threadRunning() const { return running_.load(std::memory_order_acquire); }

protected:
    virtual int run() { return 0; }
    virtual void wakeThread() {}

private:
    std::thread thread_;
    std::atomic<bool> running_{false};
};
