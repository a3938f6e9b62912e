#include "interruptible_work.h"

#include <chrono>
#include <exception>
#include <future>
#include <thread>

namespace kep::python {

namespace {

// Asks the work to stop and waits for it, without the lock, whichever way the
// calling thread leaves.
class StopAndJoin {
 public:
  StopAndJoin(std::atomic<bool>& stop, std::thread& worker) : m_stop(stop), m_worker(worker) {}
  ~StopAndJoin() {
    m_stop = true;
    py::gil_scoped_release release;
    m_worker.join();
  }
  StopAndJoin(const StopAndJoin&) = delete;
  StopAndJoin& operator=(const StopAndJoin&) = delete;

 private:
  std::atomic<bool>& m_stop;
  std::thread& m_worker;
};

}  // namespace

void RunInterruptibly(const std::function<void(const std::atomic<bool>* stop)>& work,
                      const std::function<void()>& poll) {
  std::atomic<bool> stop{false};
  std::promise<void> ended;
  std::future<void> outcome = ended.get_future();
  std::thread worker([&] {
    try {
      work(&stop);
      ended.set_value();
    } catch (...) {
      ended.set_exception(std::current_exception());
    }
  });
  {
    const StopAndJoin joined(stop, worker);
    for (;;) {
      bool finished = false;
      {
        py::gil_scoped_release release;
        finished = outcome.wait_for(std::chrono::milliseconds(kPollMilliseconds)) ==
                   std::future_status::ready;
      }
      if (poll) poll();
      if (finished) break;
      if (PyErr_CheckSignals() != 0) throw py::error_already_set();
    }
  }
  outcome.get();  // the work's own exception, such as std::bad_alloc
}

}  // namespace kep::python
