#pragma once
// The two message tables that turn error numbers into texts: the geometry table, shown in a
// warning the user can cancel, and the file table, shown in a plain message box.

#include <optional>
#include <string>

#include "nctext/host.h"

namespace vormak {

// Dialog results of the geometry warning.
inline constexpr int kDialogOk = 1;
inline constexpr int kDialogCancel = 2;

// Text of a number in each table; empty when the table does not hold it.
std::optional<std::string> GeometryErrorText(int number);
std::optional<std::string> FileErrorText(int number);

// 0 and 103 show nothing and give 0; otherwise the warning's answer (kDialogOk/kDialogCancel).
int ReportGeometryError(Host& host, int number);

// 0 shows nothing. Gives the number back unchanged.
int ReportFileError(Host& host, int number);

// For a failed call of the operating system: the errno value is turned into the table number
// that means the same (a missing file is "FILE NOT FOUND" everywhere) and reported; a value
// without such a number shows "I/O Error ", the value and the system's own text. Gives the
// table number, or the errno value when there is none; 0 shows nothing.
int ReportSystemFileError(Host& host, int errno_value);
// The table number for an errno value, when one means the same.
std::optional<int> FileErrorFromErrno(int errno_value);

// The geometry warning for a free text ("Parallel Lines", "Points Too Far Apart to Fit Arc").
int GeometryWarning(Host& host, const std::string& text);

}  // namespace vormak
