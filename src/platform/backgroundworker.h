#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <future>
#include <memory>

class QThread;

namespace corvella {

// Work that must not hold up the window (a file synced to the disk, a job for the print
// server) runs here: on one thread of the worker's own, one task after another in the order
// handed over. The thread starts with the first task, not before, and ends with the worker:
// its destruction runs every task handed over and then joins the thread, so nothing handed
// over is dropped and nothing runs after it is gone (unless stop() gave a stuck task up).
//
// Results come back to the thread the worker was made on, through its event loop, for as
// long as the worker lives; or as a future for a caller that waits.
//
// Made and used on one thread. The thread is a QThread, so a task may use what needs an event
// dispatcher (laying out a text document starts timers).
class BackgroundWorker
{
public:
    explicit BackgroundWorker(const QString& name);
    ~BackgroundWorker();
    BackgroundWorker(const BackgroundWorker&) = delete;
    BackgroundWorker& operator=(const BackgroundWorker&) = delete;

    // Runs task on the worker's thread after every task handed over before it. Without a
    // thread to be had, runs it at once.
    void post(std::function<void()> task);

    // Runs work on the worker's thread, then done(result) on the thread the worker was made
    // on, at its event loop's next turn; done is dropped when the worker is gone by then.
    template <typename Work, typename Done> void post(Work work, Done done)
    {
        post([state = m_state, work = std::move(work), done = std::move(done)]() mutable {
            auto result = work();
            deliver(state, [done, result] { done(result); });
        });
    }

    // Runs work on the worker's thread; the future holds its result.
    template <typename Work> auto run(Work work) -> std::future<decltype(work())>
    {
        using Result = decltype(work());
        auto task = std::make_shared<std::packaged_task<Result()>>(std::move(work));
        std::future<Result> result = task->get_future();
        post([task] { (*task)(); });
        return result;
    }

    // Waits until every task handed over so far has run; true when that happened within the
    // timeout.
    bool waitForIdle(std::chrono::milliseconds timeout = std::chrono::milliseconds::max());

    // Ends the worker early: tasks not yet started are dropped, and the one under way is
    // waited for up to grace. True when the thread has ended; false when a task is still stuck
    // (in a print server that never answers, say), and the thread is then left to end on its
    // own whenever that task does. Later tasks run at once, on the caller's thread.
    bool stop(std::chrono::milliseconds grace);

private:
    struct State;
    static void deliver(const std::shared_ptr<State>& state, std::function<void()> answer);

    std::shared_ptr<State> m_state;
    std::unique_ptr<QThread> m_thread;
    QString m_name;
    bool m_stopped = false;
};

} // namespace corvella
