#include "dnc/comm_event_queue.h"

#include <chrono>

namespace vormak {

CommEventQueue::CommEventQueue() : shared_(std::make_shared<Shared>()) {}

CommDispatcher CommEventQueue::Dispatcher() const {
  std::weak_ptr<Shared> weak = shared_;
  return [weak](std::function<void()> task) {
    auto shared = weak.lock();
    if (!shared) return;
    {
      std::lock_guard<std::mutex> lock(shared->mutex);
      shared->tasks.push_back(std::move(task));
    }
    shared->posted.notify_all();
  };
}

int CommEventQueue::RunPending(int timeout_ms) {
  std::deque<std::function<void()>> tasks;
  {
    std::unique_lock<std::mutex> lock(shared_->mutex);
    shared_->posted.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                             [&] { return !shared_->tasks.empty(); });
    tasks.swap(shared_->tasks);
  }
  for (auto& task : tasks) task();
  return static_cast<int>(tasks.size());
}

}  // namespace vormak
