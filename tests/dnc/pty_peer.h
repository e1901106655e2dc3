#pragma once
// The far end of a transfer in tests: the master side of a pseudo-terminal pair, whose slave
// the port under test opens by name as it would a serial device.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <chrono>
#include <string>

namespace vormak::test {

class PtyPeer {
 public:
  PtyPeer() {
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master_, &slave, name, nullptr, nullptr) == 0) {
      slave_name_ = name;
      slave_ = slave;
      ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    }
  }
  ~PtyPeer() {
    CloseSlave();
    CloseMaster();
  }
  PtyPeer(const PtyPeer&) = delete;
  PtyPeer& operator=(const PtyPeer&) = delete;

  bool ok() const { return master_ >= 0; }
  const std::string& SlaveName() const { return slave_name_; }
  int master() const { return master_; }

  // The test's own hold on the slave; drop it once the port has the device open.
  void CloseSlave() {
    if (slave_ >= 0) ::close(slave_);
    slave_ = -1;
  }
  void CloseMaster() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

  void Send(const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
      const ssize_t n = ::write(master_, bytes.data() + sent, bytes.size() - sent);
      if (n > 0) {
        sent += static_cast<size_t>(n);
      } else {
        pollfd p{master_, POLLOUT, 0};
        if (::poll(&p, 1, 5000) <= 0) return;
      }
    }
  }

  // Reads until `quiet_ms` pass without a byte, the far side is gone, or `max` bytes came.
  std::string Receive(int quiet_ms, size_t max = static_cast<size_t>(-1)) {
    std::string got;
    char buffer[65536];
    while (got.size() < max) {
      pollfd p{master_, POLLIN, 0};
      if (::poll(&p, 1, quiet_ms) <= 0) break;
      const size_t want = std::min(sizeof buffer, max - got.size());
      const ssize_t n = ::read(master_, buffer, want);
      if (n <= 0) {
        if (n < 0 && errno == EAGAIN) continue;
        break;
      }
      got.append(buffer, static_cast<size_t>(n));
    }
    return got;
  }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string slave_name_;
};

}  // namespace vormak::test
