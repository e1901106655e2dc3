// The watcher thread of an open port. It only looks at the line and waits; every handler runs
// on the owning thread, through the dispatcher, one event word at a time.
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#ifdef __linux__
#include <linux/serial.h>
#endif

#include "dnc/comm_port.h"
#include "dnc/comm_watch.h"

namespace vormak {

namespace {

constexpr int kPollMilliseconds = 10;

// Counters of line conditions the driver keeps; a pseudo-terminal keeps none.
struct LineCounters {
  bool known = false;
  unsigned long brk = 0, frame = 0, overrun = 0, parity = 0, buf_overrun = 0;
};

LineCounters ReadCounters(int fd) {
  LineCounters c;
#ifdef TIOCGICOUNT
  serial_icounter_struct ic{};
  if (::ioctl(fd, TIOCGICOUNT, &ic) == 0) {
    c.known = true;
    c.brk = static_cast<unsigned long>(ic.brk);
    c.frame = static_cast<unsigned long>(ic.frame);
    c.overrun = static_cast<unsigned long>(ic.overrun);
    c.parity = static_cast<unsigned long>(ic.parity);
    c.buf_overrun = static_cast<unsigned long>(ic.buf_overrun);
  }
#endif
  return c;
}

int Waiting(int fd) {
  int n = 0;
  return ::ioctl(fd, FIONREAD, &n) == 0 ? n : 0;
}

int OutputQueued(int fd) {
  int n = 0;
  return ::ioctl(fd, TIOCOUTQ, &n) == 0 ? n : 0;
}

// The events and line errors between two looks at the line.
struct LineChange {
  unsigned events = 0;
  unsigned errors = 0;
};

void CompareModem(int before, int now, LineChange& change) {
  const int diff = before ^ now;
  if (diff & TIOCM_CTS) change.events |= kEvCts;
  if (diff & TIOCM_DSR) change.events |= kEvDsr;
  if (diff & TIOCM_RI) change.events |= kEvRing;
  if (diff & TIOCM_CD) change.events |= kEvRlsd;
}

void CompareCounters(const LineCounters& before, const LineCounters& now, LineChange& change) {
  if (!before.known || !now.known) return;
  if (now.brk != before.brk) {
    change.events |= kEvBreak;
    change.errors |= kCeBreak;
  }
  if (now.frame != before.frame) change.errors |= kCeFrame;
  if (now.overrun != before.overrun) change.errors |= kCeOverrun;
  if (now.parity != before.parity) change.errors |= kCeRxParity;
  if (now.buf_overrun != before.buf_overrun) change.errors |= kCeRxOver;
  if (change.errors & ~kCeBreak) change.events |= kEvError;
}

}  // namespace

void TCustomComm::StartWatcher() {
  auto watch = std::make_shared<Watch>();
  if (::pipe2(watch->wake, O_CLOEXEC | O_NONBLOCK) != 0) {
    throw ECommError(kCommAccessError, errno);
  }
  watch->owner = this;
  watch->fd = fd_;
  watch->events = monitor_events_;
  watch->dispatcher = dispatcher_;
  watch_ = watch;
  watcher_ = std::thread([this, watch] { WatchLoop(watch); });
}

void TCustomComm::StopWatcher() {
  if (!watch_) return;
  {
    std::lock_guard<std::mutex> lock(watch_->mutex);
    watch_->stop = true;
    watch_->owner = nullptr;
  }
  watch_->changed.notify_all();
  const char wake = 1;
  [[maybe_unused]] ssize_t ignored = ::write(watch_->wake[1], &wake, 1);
  if (watcher_.joinable()) watcher_.join();
  ::close(watch_->wake[0]);
  ::close(watch_->wake[1]);
  watch_.reset();
}

void TCustomComm::WatchLoop(std::shared_ptr<Watch> watch) {
  const int fd = watch->fd;
  int modem = 0;
  const bool has_modem = ::ioctl(fd, TIOCMGET, &modem) == 0;
  LineCounters counters = ReadCounters(fd);
  int reported_waiting = 0;  // bytes already announced and not yet read
  bool hung_up = false;

  for (;;) {
    pollfd p[2] = {{watch->wake[0], POLLIN, 0}, {fd, POLLIN, 0}};
    // While announced bytes wait to be read the descriptor stays readable: look again later
    // instead of waking at once.
    const int count = (!hung_up && reported_waiting == 0) ? 2 : 1;
    ::poll(p, count, kPollMilliseconds);
    {
      std::lock_guard<std::mutex> lock(watch->mutex);
      if (watch->stop) break;
    }
    LineChange change;
    if (!hung_up && count == 2 && (p[1].revents & (POLLHUP | POLLERR | POLLNVAL))) {
      hung_up = true;  // the far end went away: say so once
      change.events |= kEvError;
      change.errors |= kCeIoError;
    }
    const int waiting = hung_up ? 0 : Waiting(fd);
    if (waiting > 0 && waiting != reported_waiting) change.events |= kEvRxChar;
    reported_waiting = waiting;
    if (has_modem) {
      int now = 0;
      if (::ioctl(fd, TIOCMGET, &now) == 0) {
        CompareModem(modem, now, change);
        modem = now;
      }
    }
    const LineCounters now = ReadCounters(fd);
    CompareCounters(counters, now, change);
    counters = now;
    if (watch->tx_sent && OutputQueued(fd) == 0) {
      watch->tx_sent = false;
      change.events |= kEvTxEmpty;
    }
    change.events &= watch->events;
    if (change.events == 0 || !watch->dispatcher) continue;

    const unsigned long long read_before = watch->bytes_read;
    {
      std::lock_guard<std::mutex> lock(watch->mutex);
      watch->busy = true;
    }
    watch->dispatcher([watch, change] {
      TCustomComm* owner = nullptr;
      {
        std::lock_guard<std::mutex> lock(watch->mutex);
        owner = watch->owner;
      }
      if (owner) owner->DispatchEvents(change.events, change.errors);
      {
        std::lock_guard<std::mutex> lock(watch->mutex);
        watch->busy = false;
      }
      watch->changed.notify_all();
    });
    std::unique_lock<std::mutex> lock(watch->mutex);
    watch->changed.wait(lock, [&] { return !watch->busy || watch->stop; });
    if (watch->stop) break;
    lock.unlock();
    // Bytes left by a handler that read nothing are not announced again until more arrive;
    // after a read, whatever waits came since (or was left over) and is announced.
    if (!hung_up) reported_waiting = watch->bytes_read != read_before ? 0 : Waiting(fd);
  }
  // Input nobody will read is dropped. Output is left to go out: the tail of a punch still sits
  // in the driver when the port closes, and the driver sends it before the line is let go.
  ::tcflush(fd, TCIFLUSH);
}

void TCustomComm::DispatchEvents(unsigned events, unsigned line_errors) {
  // The queue status as it is now: bytes may have arrived or been read since the event.
  const int waiting = fd_ >= 0 ? Waiting(fd_) : 0;
  const CommEventHandlers h = handlers_;  // a handler may replace the handlers or close
  auto live = [this] { return fd_ >= 0; };
  if ((events & kEvBreak) && h.on_break && live()) h.on_break();
  if ((events & kEvCts) && h.on_cts && live()) h.on_cts();
  if ((events & kEvDsr) && h.on_dsr && live()) h.on_dsr();
  if ((events & kEvError) && h.on_error && live()) h.on_error(line_errors);
  if ((events & kEvRing) && h.on_ring && live()) h.on_ring();
  if ((events & kEvRlsd) && h.on_rlsd && live()) h.on_rlsd();
  if ((events & kEvRxChar) && h.on_rx_char && live() && waiting > 0) h.on_rx_char(waiting);
  if ((events & kEvRxFlag) && h.on_rx_flag && live()) h.on_rx_flag();
  if ((events & kEvTxEmpty) && h.on_tx_empty && live()) h.on_tx_empty();
}

}  // namespace vormak
