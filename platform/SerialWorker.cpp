#include "platform/SerialWorker.h"

#include <utility>

void SerialWorker::post(std::function<void()> job)
{
    const std::lock_guard lock(mutex_);
    std::shared_future<void> before = last_;
    last_ = std::async(std::launch::async, [before, job = std::move(job)]() mutable {
                if (before.valid())
                    before.wait();
                before = {};
                const auto run = std::exchange(job, nullptr);
                run();
            }).share();
}

void SerialWorker::wait()
{
    std::shared_future<void> last;
    {
        const std::lock_guard lock(mutex_);
        last = last_;
    }
    if (last.valid())
        last.wait();
}
