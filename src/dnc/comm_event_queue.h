#pragma once
// The hand-over of line events for a program without a window loop (vormak-batch, tests): the
// watcher posts into the queue, the owning thread runs what was posted when it waits for input.

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "dnc/serial_device.h"

namespace vormak {

class CommEventQueue {
 public:
  CommEventQueue();

  // For SerialDevice::SetDispatcher; stays safe to call after the queue is gone.
  CommDispatcher Dispatcher() const;

  // Runs the tasks posted so far, waiting up to timeout_ms for the first. The number run.
  int RunPending(int timeout_ms);

 private:
  struct Shared {
    std::mutex mutex;
    std::condition_variable posted;
    std::deque<std::function<void()>> tasks;
  };
  std::shared_ptr<Shared> shared_;
};

}  // namespace vormak
