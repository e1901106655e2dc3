#pragma once
// Reading and writing NC files for the editor panes. Files are taken as raw bytes so
// comments with bytes above 127 and stray NUL bytes survive a load and save unchanged.

#include <cstddef>
#include <cstdio>
#include <string>

#include "nctext/edit_control.h"

namespace vormak {

// The whole file; throws EditError(kEditFileError) when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// The bytes that end a line when saving in `style`.
const char* LineBreakText(LineBreakStyle style);

// Writes a file so that the old one stays intact until the new one is complete: the bytes
// go to a scratch file in the same folder, which is renamed over the target by Commit().
// A writer destroyed without Commit() removes its scratch file. Failures throw
// EditError(kEditFileError).
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
  void Fail();

  std::string target_;
  std::string scratch_;
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

}  // namespace vormak
