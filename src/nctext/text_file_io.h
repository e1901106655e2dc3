#pragma once
// Reading and writing NC files for the editor panes. Files are taken as raw bytes so
// comments with bytes above 127 and stray NUL bytes survive a load and save unchanged.

#include <cstddef>
#include <cstdio>
#include <string>

#include "nctext/edit_control.h"

namespace vormak {

// A file that could not be read or written; carries the system's error number (errno) so the
// user is told why ("DISK IS FULL", "FILE ACCESS DENIED"), 0 when none is known.
class FileIoError : public EditError {
 public:
  explicit FileIoError(int system_error) : EditError(kEditFileError), system_error_(system_error) {}
  int system_error() const { return system_error_; }

 private:
  int system_error_;
};

// The whole file; throws FileIoError when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// The bytes that end a line when saving in `style`.
const char* LineBreakText(LineBreakStyle style);
// How the style is named to the programmer: "CR LF", "CR" or "LF".
const char* LineBreakName(LineBreakStyle style);

// Writes a file so that the old one stays intact until the new one is complete: the bytes
// go to a scratch file in the same folder, which is renamed over the target by Commit().
// A writer destroyed without Commit() removes its scratch file. Failures throw FileIoError.
class ReplacingFileWriter {
 public:
  explicit ReplacingFileWriter(const std::string& path);
  ~ReplacingFileWriter();
  ReplacingFileWriter(const ReplacingFileWriter&) = delete;
  ReplacingFileWriter& operator=(const ReplacingFileWriter&) = delete;

  void Write(const char* data, std::size_t size);
  void Write(const std::string& text) { Write(text.data(), text.size()); }
  // Writes `size` bytes of text, turning every CR-LF, lone CR and lone LF into `style`.
  void WriteConvertingBreaks(const char* data, std::size_t size, LineBreakStyle style);
  void Commit();

 private:
  [[noreturn]] void Fail(int system_error);

  std::string target_;
  std::string scratch_;
  std::FILE* file_ = nullptr;
  bool failed_ = false;
  int system_error_ = 0;  // the first failure's errno, reported again by later calls
};

}  // namespace vormak
