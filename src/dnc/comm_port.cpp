#include "dnc/comm_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>

#include "dnc/comm_line.h"
#include "dnc/comm_watch.h"

namespace vormak {

ECommError::ECommError(const std::string& text, int code)
    : std::runtime_error(text + " (Error: " + std::to_string(code) + ") "), code_(code) {}

std::string CommDevicePath(int comm_port, const std::string& comm_device) {
  if (!comm_device.empty()) return comm_device;
  return "/dev/ttyS" + std::to_string(comm_port > 0 ? comm_port - 1 : 0);
}

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

// A terminal without the line (a pseudo-terminal has no modem lines) answers ENOTTY or EINVAL;
// there is nothing to drive then, which is not a failure of the transfer.
bool NoSuchLine(int error) {
  return error == ENOTTY || error == EINVAL;
}

// The slave side of a Unix 98 pseudo-terminal (/dev/pts/N): majors 136 to 143.
bool IsPseudoTerminal(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return false;
  const unsigned major_number = major(st.st_rdev);
  return major_number >= 136 && major_number <= 143;
}

}  // namespace

TCustomComm::TCustomComm() = default;

TCustomComm::~TCustomComm() {
  Close();
}

std::string TCustomComm::DevicePath() const {
  const std::string& n = device_name_;
  if (n.size() > 3 && std::tolower(static_cast<unsigned char>(n[0])) == 'c' &&
      std::tolower(static_cast<unsigned char>(n[1])) == 'o' &&
      std::tolower(static_cast<unsigned char>(n[2])) == 'm') {
    int port = 0;
    for (size_t i = 3; i < n.size(); ++i) {
      if (!std::isdigit(static_cast<unsigned char>(n[i])) || port > 999) return n;
      port = port * 10 + (n[i] - '0');
    }
    if (port >= 1) return CommDevicePath(port, "");
  }
  return n;
}

void TCustomComm::RequireOpen() const {
  if (fd_ < 0) throw ECommError(kCommNotOpen, -1);
}

void TCustomComm::RequireClosed() const {
  if (fd_ >= 0) throw ECommError(kCommPortOpen, -1);
}

void TCustomComm::SetDeviceName(const std::string& name) {
  RequireClosed();
  device_name_ = name;
}

void TCustomComm::SetMonitorEvents(unsigned events) {
  RequireClosed();
  monitor_events_ = events & kAllCommEvents;
}

void TCustomComm::SetReadBufSize(int bytes) {
  RequireClosed();
  read_buf_size_ = bytes;
}

void TCustomComm::SetWriteBufSize(int bytes) {
  RequireClosed();
  write_buf_size_ = bytes;
}

void TCustomComm::SetBaudRate(int rate) {
  ChangeSetting(baud_rate_, rate);
}

void TCustomComm::SetParity(Parity parity) {
  ChangeSetting(parity_, parity);
}

void TCustomComm::SetStopbits(StopBits bits) {
  ChangeSetting(stop_bits_, bits);
}

void TCustomComm::SetDatabits(int bits) {
  ChangeSetting(data_bits_, bits);
}

void TCustomComm::SetFlowControl(FlowControl flow) {
  ChangeSetting(flow_control_, flow);
}

void TCustomComm::SetOptions(unsigned options) {
  ChangeSetting(options_, options);
}

void TCustomComm::SetEventChars(const EventChars& chars) {
  ChangeSetting(event_chars_, chars);
}

// A value the line refuses is not kept: the port goes on with the settings it has.
template <typename T>
void TCustomComm::ChangeSetting(T& member, const T& value) {
  const T before = member;
  member = value;
  try {
    if (IsOpen()) ApplyLineSettings();
  } catch (...) {
    member = before;
    throw;
  }
}

void TCustomComm::Open() {
  RequireClosed();
  const std::string path = DevicePath();
  int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw ECommError(kCommAccessError, errno);
  if (!::isatty(fd)) {
    ::close(fd);
    throw ECommError(kCommInvalidHandle, -1);
  }
  // Exclusive use: no second program (or second port object) may open the line meanwhile.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
    const int error = errno == EWOULDBLOCK ? EBUSY : errno;
    ::close(fd);
    throw ECommError(kCommAccessError, error);
  }
  fd_ = fd;
  pseudo_terminal_ = IsPseudoTerminal(fd);
  try {
    StartWatcher();
    // Time-outs: the descriptor never blocks; Read and Write bound their own waits.
    ApplyLineSettings();
    // Queue sizes are the driver's own on a terminal; nothing to set.
  } catch (...) {
    // A half-open port would hold the device until the program ends.
    Close();
    throw;
  }
}

void TCustomComm::Close() {
  if (fd_ < 0) return;
  StopWatcher();
  std::lock_guard<std::mutex> lock(io_lock_);
  ::ioctl(fd_, TIOCNXCL);
  ::close(fd_);
  fd_ = -1;
  pending_out_.clear();
}

void TCustomComm::ApplyLineSettings() {
  if (fd_ < 0) return;
  termios t{};
  if (::tcgetattr(fd_, &t) != 0) throw ECommError(kCommDcbError, errno);
  const tcflag_t device_flow_c = t.c_cflag & CRTSCTS;
  const tcflag_t device_flow_i = t.c_iflag & (IXON | IXOFF);

  const speed_t speed = SpeedConstant(baud_rate_);
  if (speed == kNoSpeed) throw ECommError(kCommDcbError, EINVAL);
  if (::cfsetispeed(&t, speed) != 0 || ::cfsetospeed(&t, speed) != 0) {
    throw ECommError(kCommDcbError, errno);
  }
  const tcflag_t size = DataBitsFlag(data_bits_);
  if (size == kNoDataBits) throw ECommError(kCommDcbError, EINVAL);
  if (stop_bits_ == StopBits::kOneAndHalf && data_bits_ != 5) {
    throw ECommError(kCommDcbError, EINVAL);  // 1.5 stop bits exist only with 5 data bits
  }
  // A pseudo-terminal carries whole bytes: it has no framing to set, and refuses any but 8N.
  const tcflag_t framing = pseudo_terminal_ ? CS8 : size | ParityFlags(parity_);

  // Binary mode: every byte passes as it is, nothing echoed or translated.
  t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY |
                 INPCK | IGNPAR);
  t.c_oflag &= ~OPOST;
  t.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
  t.c_cflag |= framing | CREAD | CLOCAL;
  if (stop_bits_ != StopBits::kOne) t.c_cflag |= CSTOPB;
  t.c_cc[VSTART] = static_cast<cc_t>(event_chars_.xon);
  t.c_cc[VSTOP] = static_cast<cc_t>(event_chars_.xoff);
  t.c_cc[VMIN] = 1;  // with O_NONBLOCK: EAGAIN when nothing waits, 0 only at hang-up
  t.c_cc[VTIME] = 0;

  switch (flow_control_) {
    case FlowControl::kNone:
      break;
    case FlowControl::kRtsCts:
      t.c_cflag |= CRTSCTS;
      break;
    case FlowControl::kDtrDsr:
      throw ECommError(kCommDcbError, EINVAL);  // no DTR/DSR handshake on this platform
    case FlowControl::kXonXoff:
      t.c_iflag |= IXON | IXOFF;
      break;
    case FlowControl::kDefault:
      t.c_cflag |= device_flow_c;
      t.c_iflag |= device_flow_i;
      break;
  }
  if (options_ & kOptParityCheck) t.c_iflag |= INPCK;
  if (::tcsetattr(fd_, TCSANOW, &t) != 0) throw ECommError(kCommDcbError, errno);
}

int TCustomComm::Read(char* buffer, int count) {
  std::lock_guard<std::mutex> lock(io_lock_);
  RequireOpen();
  if (count <= 0) return 0;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(read_timeout_);
  for (;;) {
    ssize_t n = ::read(fd_, buffer, static_cast<size_t>(count));
    if (n > 0) {
      if (watch_) watch_->bytes_read += static_cast<unsigned long long>(n);
      if (!(options_ & kOptNullStrip)) return static_cast<int>(n);
      int kept = 0;
      for (ssize_t i = 0; i < n; ++i) {
        if (buffer[i] != 0) buffer[kept++] = buffer[i];
      }
      if (kept > 0) return kept;
      continue;
    }
    if (n == 0) throw ECommError(kCommReadError, EIO);  // the line hung up
    if (errno == EINTR) continue;
    if (errno != EAGAIN) throw ECommError(kCommReadError, errno);
    const int left = MillisecondsLeft(deadline);
    if (left == 0) return -1;
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, left) == 0) return -1;
    if ((p.revents & (POLLHUP | POLLERR | POLLNVAL)) && !(p.revents & POLLIN)) {
      throw ECommError(kCommReadError, EIO);
    }
  }
}

int TCustomComm::Write(const char* buffer, int count) {
  std::lock_guard<std::mutex> lock(io_lock_);
  RequireOpen();
  if (count > 0) pending_out_.append(buffer, static_cast<size_t>(count));
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(write_timeout_);
  return FlushPending(MillisecondsLeft(deadline)) < 0 ? -1 : count;
}

// Hands the queued bytes to the driver until none are left (0) or the time is up (-1).
int TCustomComm::FlushPending(int timeout_ms) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  size_t sent = 0;
  int result = 0;
  while (sent < pending_out_.size()) {
    const ssize_t n = ::write(fd_, pending_out_.data() + sent, pending_out_.size() - sent);
    if (n > 0) {
      sent += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) {
      const int error = errno;
      pending_out_.erase(0, sent);
      throw ECommError(kCommWriteError, error);
    }
    const int left = MillisecondsLeft(deadline);
    pollfd p{fd_, POLLOUT, 0};
    if (left == 0 || ::poll(&p, 1, left) == 0) {
      result = -1;
      break;
    }
    if ((p.revents & (POLLHUP | POLLERR | POLLNVAL)) && !(p.revents & POLLOUT)) {
      pending_out_.erase(0, sent);
      throw ECommError(kCommWriteError, EIO);
    }
  }
  pending_out_.erase(0, sent);
  if (sent > 0 && watch_) watch_->tx_sent = true;
  return result;
}

int TCustomComm::PendingOutput() const {
  std::lock_guard<std::mutex> lock(io_lock_);
  return static_cast<int>(pending_out_.size());
}

void TCustomComm::PurgeIn() {
  RequireOpen();
  ::tcflush(fd_, TCIFLUSH);
}

void TCustomComm::ModemControl(int request, int bits) {
  RequireOpen();
  if (::ioctl(fd_, request, &bits) != 0 && !NoSuchLine(errno)) {
    throw ECommError(kCommEscapeError, errno);
  }
}

void TCustomComm::SetDTR(bool on) {
  ModemControl(on ? TIOCMBIS : TIOCMBIC, TIOCM_DTR);
}

void TCustomComm::SetRTS(bool on) {
  ModemControl(on ? TIOCMBIS : TIOCMBIC, TIOCM_RTS);
}

void TCustomComm::SetXonXoff(bool on) {
  RequireOpen();
  if (::tcflow(fd_, on ? TCOON : TCOOFF) != 0 && !NoSuchLine(errno)) {
    throw ECommError(kCommEscapeError, errno);
  }
}

void TCustomComm::SetBreak(bool on) {
  RequireOpen();
  if (::ioctl(fd_, on ? TIOCSBRK : TIOCCBRK) != 0 && !NoSuchLine(errno)) {
    throw ECommError(kCommEscapeError, errno);
  }
  ::tcflush(fd_, TCIOFLUSH);
  std::lock_guard<std::mutex> lock(io_lock_);
  pending_out_.clear();
}

bool TCustomComm::ModemLine(ModemSignal signal) {
  if (fd_ < 0) return false;
  int bits = 0;
  if (::ioctl(fd_, TIOCMGET, &bits) != 0) return false;
  return (bits & ModemBit(signal)) != 0;
}

}  // namespace vormak
