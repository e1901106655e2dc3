#include "cad/geometry_errors.h"

#include <cerrno>
#include <cstring>

namespace vormak {

namespace {

struct NumberedText {
  int number;
  const char* text;
};

// Run-time file and system errors, held by both tables (the spelling is the users' own).
constexpr NumberedText kSystemTexts[] = {
    {2, "FILE NOT FOUND"},
    {3, "PATH NOT FOUND"},
    {5, "FILE ACCESS DENIED"},
    {6, "Library Requires Seperate Data Segments"},
    {10, "Wrong Windows Version"},
    {11, "Invalid .EXE File"},
    {12, "OS/2 Application"},
    {13, "Dos 4.0 Application"},
    {14, "Unknown .EXE Type"},
    {15, "Earlier Windows Version"},
    {16, "Can't Load Second Instance"},
    {17, "EMS Error on Second Loading"},
    {18, "Can't Load Protected Mode Program"},
    {32, "Sharing Violation"},
    {100, "ATTEMPT TO READ PAST END OF FILE"},
    {101, "DISK IS FULL"},
    {102, "FILE NOT ASSIGNED"},
    {104, "FILE NOT OPEN FOR INPUT"},
    {105, "FILE NOT OPEN FOR OUTPUT"},
    {106, "INVALID NUMERIC FORMAT"},
    {150, "DISK IS WRITE PROTECTED"},
    {151, "UNKNOWN DRIVE"},
    {152, "DRIVE NOT READY"},
    {153, "UNKNOWN COMMAND"},
    {154, "CRC ERROR IN DATA"},
    {155, "BAD DRIVE REQUEST STRUCTURE LENGTH"},
    {156, "DISK SEEK ERROR"},
    {157, "UNKNOWN MEDIA TYPE"},
    {158, "SECTOR NOT FOUND"},
    {159, "PRINTER OUT OF PAPER"},
    {160, "DEVICE WRITE FAULT"},
    {161, "DEVICE READ FAULT"},
    {162, "HARDWARE FAILURE"},
};

constexpr NumberedText kGeometryTexts[] = {
    {902, "PARALLEL LINES"},         {903, "UNDEFINED LINE"},
    {904, "ARC DOES NOT INTERSECT"}, {905, "RADIUS DOES NOT INTERSECT"},
    {906, "CONCENTRIC CIRCLES"},     {907, "CAN'T ALLOCATE MEMORY"},
    {908, "3 POINTS ON SAME LINE"},
};

constexpr NumberedText kFileTexts[] = {
    {103, "FILE NOT OPEN"},
    {902, "PARALLEL LINES"},
    {903, "UNDEFINED LINE"},
    {904, "ARC DOES NOT INTERSECT"},
    {905, "RADIUS DOES NOT INTERSECT"},
    {906, "CONCENTRIC CIRCLES"},
    {908, "ARC IS NOT OUTSIDE"},
};

template <size_t N>
std::optional<std::string> Find(const NumberedText (&table)[N], int number) {
  for (const auto& entry : table) {
    if (entry.number == number) return std::string(entry.text);
  }
  return std::nullopt;
}

std::string UnknownNumberText(int number) {
  return "I/O Error " + std::to_string(number);
}

constexpr const char* kWarningCaption = "Warning";
constexpr const char* kMessageCaption = "Vormak";

}  // namespace

std::optional<std::string> GeometryErrorText(int number) {
  if (auto text = Find(kGeometryTexts, number)) return text;
  return Find(kSystemTexts, number);
}

std::optional<std::string> FileErrorText(int number) {
  if (auto text = Find(kFileTexts, number)) return text;
  return Find(kSystemTexts, number);
}

int ReportGeometryError(Host& host, int number) {
  if (number == 0 || number == 103) return 0;
  return GeometryWarning(host, GeometryErrorText(number).value_or(UnknownNumberText(number)));
}

int ReportFileError(Host& host, int number) {
  if (number == 0) return 0;
  host.Information(FileErrorText(number).value_or(UnknownNumberText(number)), kMessageCaption);
  return number;
}

std::optional<int> FileErrorFromErrno(int errno_value) {
  switch (errno_value) {
    case ENOENT:
      return 2;
    case ENOTDIR:
      return 3;
    case EACCES:
    case EPERM:
    case EISDIR:
      return 5;
    case EBUSY:
    case ETXTBSY:
      return 32;
    case ENOSPC:
    case EDQUOT:
      return 101;
    case EROFS:
      return 150;
    case ENXIO:
    case ENODEV:
      return 152;
    default:
      return std::nullopt;
  }
}

int ReportSystemFileError(Host& host, int errno_value) {
  if (errno_value == 0) return 0;
  if (auto number = FileErrorFromErrno(errno_value)) return ReportFileError(host, *number);
  host.Information(UnknownNumberText(errno_value) + ": " + std::strerror(errno_value),
                   kMessageCaption);
  return errno_value;
}

int GeometryWarning(Host& host, const std::string& text) {
  return host.Warning(text, kWarningCaption) == Answer::kCancel ? kDialogCancel : kDialogOk;
}

}  // namespace vormak
