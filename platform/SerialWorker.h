#pragma once
// Jobs run one after another on a thread beside the window: the logs are
// read and kept current there while the user goes on.
#include <functional>
#include <future>
#include <mutex>

class SerialWorker {
public:
    // The jobs still given end before the worker goes (at exit too).
    ~SerialWorker() { wait(); }

    // Runs `job` once every job posted before it has run. What the job holds
    // goes as soon as it has run, not with the next job.
    void post(std::function<void()> job);
    // Returns once every job posted so far has run.
    void wait();

private:
    std::mutex mutex_;  // guards last_
    std::shared_future<void> last_;
};
