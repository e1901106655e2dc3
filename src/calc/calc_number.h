#pragma once
// How the calculator reads and writes its fields: a field is any expression the backplotter
// understands (blanks ignored), and answers go back either lined up for the eye (fixed form)
// or as short as the machinist would type them (short form).

#include <string>
#include <string_view>

namespace vormak {

// The field's value; text that is no number or expression reads as 0.
double ReadCalcField(std::string_view text);

// Right-aligned in 8 characters with 4 decimals: 1.5 gives "  1.5000".
std::string FixedForm(double value);

// Four decimals with the trailing zeros dropped, a bare "." completed with "0" and the zero in
// front of the point dropped: 0.5 gives ".5", -0.5 gives "-.5", 10 gives "10.0".
std::string ShortForm(double value);

// The running list's form: general format with 10 significant digits (6, 2.5, 1E+15).
std::string GeneralForm(double value);

}  // namespace vormak
