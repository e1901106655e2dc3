#pragma once
// What every drawing reader and writer shares: files opened and created with one retry and
// their errors reported in the user's terms, lines read with a bound on what is kept of each,
// and the comma-separated fields of a record.

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "nctext/host.h"

namespace vormak {

// Reads a file line by line whatever its line breaks (CR LF, LF or CR); a line longer than
// `keep` characters keeps its first `keep`, so binary or hostile files cost no more memory
// than their longest useful line.
class LineReader {
 public:
  LineReader(std::FILE* file, size_t keep) : file_(file), keep_(keep) {}
  // False at the end of the file.
  bool Next(std::string& line);

 private:
  int Get();
  std::FILE* file_;
  size_t keep_;
  static constexpr size_t kBufferSize = size_t{1} << 16;
  // Left uninitialised: only what fread filled is ever read.
  std::unique_ptr<char[]> buffer_{new char[kBufferSize]};
  size_t at_ = 0;
  size_t size_ = 0;
  bool eof_ = false;
};

// Owns an open file and closes it.
class DrawingFile {
 public:
  DrawingFile() = default;
  explicit DrawingFile(std::FILE* file) : file_(file) {}
  DrawingFile(DrawingFile&& other) noexcept : file_(other.file_) { other.file_ = nullptr; }
  DrawingFile& operator=(DrawingFile&&) = delete;
  ~DrawingFile() {
    if (file_ != nullptr) std::fclose(file_);
  }
  std::FILE* get() const { return file_; }
  explicit operator bool() const { return file_ != nullptr; }

 private:
  std::FILE* file_ = nullptr;
};

// Opens for reading, trying once more when the first open fails; a folder does not open. On
// failure the system's error is reported (`ReportFileError`) and nothing is returned.
DrawingFile OpenDrawingForReading(Host& host, const std::string& name);

// Writes the whole text to a new file beside the target and renames it over the target, so a
// failing disk never leaves half a drawing behind; the create is tried twice. On failure the
// error is reported and false returned; the target is untouched.
bool WriteDrawingText(Host& host, const std::string& name, const std::string& text);

// A field's text as a number: C-locale decimal, "E" or "D" exponent; anything else is 0.
double FieldNumber(std::string_view text);

// A number rounded to a whole number, kept inside the range of int (0 when not finite).
int RoundToInt(double value);

// The fields of a record in the CDL form: from the line's first blank on, blanks removed and a
// comma appended; field n lies between the (n-1)-th and the n-th comma. Lines of more than 23
// commas read every field as 0.
class CdlFields {
 public:
  explicit CdlFields(std::string_view line);
  double operator[](int n) const;  // n from 1
  int Whole(int n) const { return RoundToInt((*this)[n]); }

 private:
  std::vector<std::string> fields_;
};

// The fields of an IGES parameter line or a T4G record: the first ";" counts as a comma,
// blanks are removed, field n is the text before the n-th comma (0 when no comma follows it).
class ListFields {
 public:
  explicit ListFields(std::string_view line);
  double operator[](int n) const;  // n from 1

 private:
  std::vector<std::string> fields_;
};

// "ABC" of "C:\dir\x.abc", upper case; empty without a ".".
std::string UpperExtension(std::string_view name);

}  // namespace vormak
