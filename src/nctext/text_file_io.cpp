#include "nctext/text_file_io.h"

#include <sys/mman.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace vormak {

namespace fs = std::filesystem;

namespace {

// A program of many megabytes is taken into memory in 2 MB pages where the system allows it:
// the kernel then maps it in a dozen steps instead of thousands of 4 KB ones.
void AskForLargePages(char* data, std::size_t size) {
#ifdef MADV_HUGEPAGE
  constexpr std::uintptr_t kLarge = std::uintptr_t{2} << 20;
  if (size < 4 * kLarge) return;
  const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kLarge - 1) & ~(kLarge - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(kLarge - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
  (void)data;
  (void)size;
#endif
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) throw FileIoError(errno);
  std::string bytes;
  std::error_code ec;
  const auto expected = fs::file_size(path, ec);
  // Read straight into the text; a file still growing is read on to its end.
  std::size_t size = ec ? 0 : static_cast<std::size_t>(expected);
  bytes.reserve(size + 1);
  AskForLargePages(bytes.data(), bytes.capacity());
  bytes.resize(size + 1);
  std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
  while (got == bytes.size()) {
    bytes.resize(bytes.size() * 2 + 4096);
    got += std::fread(bytes.data() + got, 1, bytes.size() - got, file);
  }
  bytes.resize(got);
  const int read_error = std::ferror(file) != 0 ? (errno != 0 ? errno : EIO) : 0;
  std::fclose(file);
  if (read_error != 0) throw FileIoError(read_error);
  return bytes;
}

const char* LineBreakText(LineBreakStyle style) {
  switch (style) {
    case LineBreakStyle::kCr:
      return "\r";
    case LineBreakStyle::kLf:
      return "\n";
    case LineBreakStyle::kCrLf:
      break;
  }
  return "\r\n";
}

const char* LineBreakName(LineBreakStyle style) {
  switch (style) {
    case LineBreakStyle::kCr:
      return "CR";
    case LineBreakStyle::kLf:
      return "LF";
    case LineBreakStyle::kCrLf:
      break;
  }
  return "CR LF";
}

ReplacingFileWriter::ReplacingFileWriter(const std::string& path) : target_(path) {
  std::error_code ec;
  // Saving through a link rewrites the file it points at, not the link.
  if (fs::is_symlink(target_, ec)) {
    const fs::path resolved = fs::canonical(target_, ec);
    if (!ec) target_ = resolved.string();
  }
  if (target_.empty()) throw FileIoError(ENOENT);
  if (fs::is_directory(target_, ec)) throw FileIoError(EISDIR);
  int open_error = 0;
  for (int attempt = 0; attempt < 100 && file_ == nullptr; ++attempt) {
    scratch_ = target_ + ".~" + std::to_string(attempt) + ".tmp";
    file_ = std::fopen(scratch_.c_str(), "wbx");
    open_error = file_ == nullptr ? errno : 0;
    if (file_ == nullptr && open_error != EEXIST) break;
  }
  if (file_ == nullptr) throw FileIoError(open_error);
  static_cast<void>(std::setvbuf(file_, nullptr, _IOFBF, 1 << 18));
}

ReplacingFileWriter::~ReplacingFileWriter() {
  if (file_ != nullptr) {
    std::fclose(file_);
    std::remove(scratch_.c_str());
  }
}

void ReplacingFileWriter::Fail(int system_error) {
  if (!failed_) system_error_ = system_error != 0 ? system_error : EIO;
  failed_ = true;
  throw FileIoError(system_error_);
}

void ReplacingFileWriter::Write(const char* data, std::size_t size) {
  if (file_ == nullptr || failed_) Fail(EBADF);
  if (size > 0 && std::fwrite(data, 1, size, file_) != size) Fail(errno);
}

void ReplacingFileWriter::WriteConvertingBreaks(const char* data, std::size_t size,
                                                LineBreakStyle style) {
  const char* brk = LineBreakText(style);
  const std::size_t brk_size = std::strlen(brk);
  std::size_t start = 0;
  for (std::size_t i = 0; i < size; ++i) {
    const char c = data[i];
    if (c != '\r' && c != '\n') continue;
    Write(data + start, i - start);
    Write(brk, brk_size);
    if (c == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
    start = i + 1;
  }
  Write(data + start, size - start);
}

void ReplacingFileWriter::Commit() {
  if (file_ == nullptr || failed_) Fail(EBADF);
  std::FILE* file = file_;
  file_ = nullptr;
  int error = 0;
  if (std::fflush(file) != 0 || std::ferror(file) != 0) error = errno;
  if (std::fclose(file) != 0 && error == 0) error = errno;
  std::error_code ec;
  if (error == 0) {
    // Keep the permissions of the file being replaced.
    const auto status = fs::status(target_, ec);
    if (!ec && fs::exists(status)) fs::permissions(scratch_, status.permissions(), ec);
    if (std::rename(scratch_.c_str(), target_.c_str()) == 0) return;
    error = errno;
  }
  std::remove(scratch_.c_str());
  Fail(error);
}

}  // namespace vormak
