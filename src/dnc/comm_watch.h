#pragma once
// The part of an open port its watcher thread and posted tasks share.

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "dnc/comm_port.h"

namespace vormak {

// What the watcher thread shares with the owner and with the tasks it posts.
struct TCustomComm::Watch {
  std::mutex mutex;
  std::condition_variable changed;
  bool stop = false;
  bool busy = false;                              // a posted task has not run yet
  TCustomComm* owner = nullptr;                   // cleared by Close, on the owning thread
  std::atomic<bool> tx_sent{false};               // a write happened since the last TxEmpty
  std::atomic<unsigned long long> bytes_read{0};  // by Read, to tell new bytes from unread ones
  int fd = -1;
  int wake[2] = {-1, -1};
  unsigned events = 0;
  CommDispatcher dispatcher;
};

}  // namespace vormak
