#include "cad/drawing_io.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>

#include "cad/geometry_errors.h"
#include "settings/file_access.h"
#include "settings/number_text.h"

namespace vormak {

namespace {

constexpr int kMaxCommas = 23;

std::string WithoutBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t') out.push_back(c);
  }
  return out;
}

std::vector<std::string> SplitAtCommas(const std::string& text) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t comma = text.find(','); comma != std::string::npos; comma = text.find(',', start)) {
    fields.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  if (fields.size() > static_cast<size_t>(kMaxCommas)) fields.clear();
  return fields;
}

std::FILE* OpenOnce(const std::string& path, int& error) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    error = errno;
    return nullptr;
  }
  struct stat info {};
  if (fstat(fileno(file), &info) == 0 && S_ISDIR(info.st_mode)) {
    std::fclose(file);
    error = EISDIR;
    return nullptr;
  }
  return file;
}

}  // namespace

int LineReader::Get() {
  if (at_ == size_) {
    if (eof_) return EOF;
    size_ = std::fread(buffer_.get(), 1, kBufferSize, file_);
    at_ = 0;
    if (size_ == 0) {
      eof_ = true;
      return EOF;
    }
  }
  return static_cast<unsigned char>(buffer_[at_++]);
}

bool LineReader::Next(std::string& line) {
  line.clear();
  int c = Get();
  if (c == EOF) return false;
  while (c != EOF && c != '\n' && c != '\r') {
    if (line.size() < keep_) line.push_back(static_cast<char>(c));
    c = Get();
  }
  if (c == '\r') {
    // CR LF is one break; a lone CR ends the line too.
    if (at_ == size_ && !eof_) {
      const int next = Get();
      if (next != '\n' && next != EOF) --at_;
    } else if (at_ < size_ && buffer_[at_] == '\n') {
      ++at_;
    }
  }
  return true;
}

DrawingFile OpenDrawingForReading(Host& host, const std::string& name) {
  const std::string path = FindFileIgnoringCase(name);
  int error = 0;
  std::FILE* file = OpenOnce(path, error);
  if (file == nullptr) file = OpenOnce(path, error);
  if (file == nullptr) ReportSystemFileError(host, error != 0 ? error : ENOENT);
  return DrawingFile(file);
}

bool WriteDrawingText(Host& host, const std::string& name, const std::string& text) {
  const std::string path = WithForwardSlashes(name);
  const std::string temp = path + ".vormak-new";
  int error = 0;
  std::FILE* file = std::fopen(temp.c_str(), "wb");
  if (file == nullptr) file = std::fopen(temp.c_str(), "wb");
  if (file == nullptr) {
    ReportSystemFileError(host, errno);
    return false;
  }
  if (std::fwrite(text.data(), 1, text.size(), file) != text.size()) error = errno;
  if (std::fflush(file) != 0 && error == 0) error = errno;
  if (std::fclose(file) != 0 && error == 0) error = errno;
  if (error == 0) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) chmod(temp.c_str(), info.st_mode & 07777);
    if (std::rename(temp.c_str(), path.c_str()) != 0) error = errno;
  }
  if (error != 0) {
    std::remove(temp.c_str());
    ReportSystemFileError(host, error);
    return false;
  }
  return true;
}

double FieldNumber(std::string_view text) {
  std::string clean = WithoutBlanks(text);
  for (char& c : clean) {
    if (c == 'D' || c == 'd') c = 'E';  // the exponent of double-precision IGES numbers
  }
  return ReadNumber(clean).value_or(0.0);
}

int RoundToInt(double value) {
  if (!std::isfinite(value)) return 0;
  const double rounded = std::round(value);
  if (rounded >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (rounded <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(rounded);
}

CdlFields::CdlFields(std::string_view line) {
  const size_t blank = line.find(' ');
  if (blank == std::string_view::npos) return;
  fields_ = SplitAtCommas(WithoutBlanks(line.substr(blank)) + ",");
}

double CdlFields::operator[](int n) const {
  if (n < 1 || static_cast<size_t>(n) > fields_.size()) return 0;
  return FieldNumber(fields_[static_cast<size_t>(n - 1)]);
}

ListFields::ListFields(std::string_view line) {
  std::string text = WithoutBlanks(line);
  const size_t semicolon = text.find(';');
  if (semicolon != std::string::npos) text[semicolon] = ',';
  fields_ = SplitAtCommas(text);
}

double ListFields::operator[](int n) const {
  if (n < 1 || static_cast<size_t>(n) > fields_.size()) return 0;
  return FieldNumber(fields_[static_cast<size_t>(n - 1)]);
}

std::string UpperExtension(std::string_view name) {
  const std::string_view file = FileNamePart(name);
  const size_t dot = file.rfind('.');
  if (dot == std::string_view::npos) return {};
  std::string ext(file.substr(dot + 1));
  for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return ext;
}

}  // namespace vormak
