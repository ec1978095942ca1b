// Work done on a thread of its own while the program starts, whose end waits for that thread.
#pragma once

#include <functional>
#include <future>
#include <thread>

namespace app {

// Lets thread run on every processor allowed but the caller's. A new thread begins on the processor of
// the thread that made it and may wait there as long as that one keeps working, which at startup it does.
void runBesideCaller(std::thread& thread);

// The result of work running beside the caller. Taking it waits for the work; so does the end of the
// object, so that work using Qt is always over before the application object goes.
template <typename T>
class WorkAside {
public:
    WorkAside() = default;
    explicit WorkAside(std::function<T()> work)
    {
        std::packaged_task<T()> task(std::move(work));
        m_result = task.get_future();
        m_thread = std::thread(std::move(task));
        runBesideCaller(m_thread);
    }
    WorkAside(WorkAside&&) noexcept = default;
    WorkAside& operator=(WorkAside&& other) noexcept
    {
        finish();
        m_thread = std::move(other.m_thread);
        m_result = std::move(other.m_result);
        return *this;
    }
    ~WorkAside() { finish(); }

    // True from the start of the work until its result is taken.
    bool valid() const { return m_result.valid(); }
    T take()
    {
        finish();
        return m_result.get();
    }
    void finish()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::thread m_thread;
    std::future<T> m_result;
};

} // namespace app
