#include "platform/backgroundworker.h"

#include <QObject>
#include <QThread>

#include <condition_variable>
#include <deque>
#include <mutex>

namespace corvella {

// What the worker and its thread share. It lives as long as either holds it, so a thread
// still stuck in a task after the worker gave it up finds it intact.
struct BackgroundWorker::State
{
    void run()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return stopping || !tasks.empty(); });
            if (tasks.empty())
                return;
            std::function<void()> task = std::move(tasks.front());
            tasks.pop_front();
            busy = true;
            lock.unlock();
            task();
            // Whatever the task held is let go of here, on this thread.
            task = nullptr;
            lock.lock();
            busy = false;
            changed.notify_all();
        }
    }

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::function<void()>> tasks;
    bool busy = false;
    // The thread ends once the tasks left are done.
    bool stopping = false;
    // Receives the answers meant for the worker's own thread; null once the worker is gone.
    std::unique_ptr<QObject> receiver = std::make_unique<QObject>();
};

BackgroundWorker::BackgroundWorker(const QString& name)
    : m_state(std::make_shared<State>()), m_name(name)
{}

BackgroundWorker::~BackgroundWorker()
{
    if (!m_stopped) {
        {
            std::lock_guard<std::mutex> lock(m_state->mutex);
            m_state->stopping = true;
        }
        m_state->changed.notify_all();
        if (m_thread)
            m_thread->wait();
        m_thread.reset();
    }
    std::unique_ptr<QObject> receiver;
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        receiver.swap(m_state->receiver);
    }
    // Answers already on their way go with it.
}

void BackgroundWorker::deliver(const std::shared_ptr<State>& state, std::function<void()> answer)
{
    std::lock_guard<std::mutex> lock(state->mutex);
    if (state->receiver)
        QMetaObject::invokeMethod(state->receiver.get(), std::move(answer), Qt::QueuedConnection);
}

void BackgroundWorker::post(std::function<void()> task)
{
    if (m_stopped) {
        task();
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->tasks.push_back(std::move(task));
    }
    m_state->changed.notify_all();
    if (m_thread)
        return;
    m_thread.reset(QThread::create([state = m_state] { state->run(); }));
    m_thread->setObjectName(m_name);
    m_thread->start();
    if (!m_thread->isRunning()) {
        // No thread to be had: what was handed over runs here and now, and so does all that
        // comes later.
        m_thread.reset();
        m_stopped = true;
        std::deque<std::function<void()>> tasks;
        {
            std::lock_guard<std::mutex> lock(m_state->mutex);
            tasks.swap(m_state->tasks);
        }
        for (std::function<void()>& left : tasks)
            left();
    }
}

bool BackgroundWorker::waitForIdle(std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(m_state->mutex);
    const auto idle = [this] { return !m_state->busy && m_state->tasks.empty(); };
    if (timeout == std::chrono::milliseconds::max()) {
        m_state->changed.wait(lock, idle);
        return true;
    }
    return m_state->changed.wait_for(lock, timeout, idle);
}

bool BackgroundWorker::stop(std::chrono::milliseconds grace)
{
    if (m_stopped)
        return true;
    m_stopped = true;
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->stopping = true;
        m_state->tasks.clear();
    }
    m_state->changed.notify_all();
    if (!m_thread)
        return true;
    const QDeadlineTimer deadline = grace == std::chrono::milliseconds::max()
                                        ? QDeadlineTimer(QDeadlineTimer::Forever)
                                        : QDeadlineTimer(grace.count());
    if (m_thread->wait(deadline)) {
        m_thread.reset();
        return true;
    }
    // Left to end when its task lets go of it, should the process still run then.
    QThread* stuck = m_thread.release();
    QObject::connect(stuck, &QThread::finished, stuck, &QObject::deleteLater);
    if (stuck->isFinished())
        stuck->deleteLater();
    return false;
}

} // namespace corvella
