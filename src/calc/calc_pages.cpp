#include "calc/calc_pages.h"

#include <cmath>
#include <functional>

#include "calc/calc_number.h"

namespace vormak {

namespace {

constexpr double kDegreesPerRadian = 57.295779513082320877;
constexpr double kPi = 3.1415926535897932385;
// Surface feet to RPM: 12 / pi, as the shop rounds it.
constexpr double kSfmFactor = 3.82;
constexpr double kInchesPerMm = 0.03937;

double Sin(double degrees) {
  return std::sin(degrees / kDegreesPerRadian);
}
double Cos(double degrees) {
  return std::cos(degrees / kDegreesPerRadian);
}
double Tan(double degrees) {
  return std::tan(degrees / kDegreesPerRadian);
}
double Atan(double ratio) {
  return std::atan(ratio) * kDegreesPerRadian;
}

// One press: reads fields, remembers which were read, writes answers.
class Press {
 public:
  Press(CalcFieldTexts& fields, CalcPress& result) : fields_(fields), result_(result) {}
  double In(const char* key) {
    result_.inputs.push_back(key);
    return ReadCalcField(fields_[key]);
  }
  // Both fields decided which case solves the triangle.
  void Uses(const char* a, const char* b) { result_.inputs.insert(result_.inputs.end(), {a, b}); }
  void Fixed(const char* key, double value) { fields_[key] = FixedForm(value); }
  void Short(const char* key, double value) { fields_[key] = ShortForm(value); }
  void Zero(const char* key) { fields_[key] = "0"; }
  std::string& Text(const char* key) { return fields_[key]; }
  void Message(std::string text) { result_.message = std::move(text); }

 private:
  CalcFieldTexts& fields_;
  CalcPress& result_;
};

// A Find whose divisor is 0 writes "0" instead of an answer.
void FixedOrZero(Press& p, const char* key, bool divisor_zero, double value) {
  if (divisor_zero) {
    p.Zero(key);
  } else {
    p.Fixed(key, value);
  }
}

void RpmSfm(Press& p, std::string_view b) {
  if (b == "N") {
    const double s = p.In("S"), d = p.In("D");
    FixedOrZero(p, "N", d == 0, s * kSfmFactor / d);
  } else if (b == "S") {
    const double d = p.In("D"), n = p.In("N");
    FixedOrZero(p, "S", d == 0, d * n / kSfmFactor);
  } else if (b == "D") {
    const double s = p.In("S"), n = p.In("N");
    FixedOrZero(p, "D", n == 0, s * 12 / (kPi * n));
  }
}

// The first pair of known sides and angle decides how the right triangle is solved.
void Triangle(Press& p, std::string_view) {
  const double h0 = ReadCalcField(p.Text("H")), o0 = ReadCalcField(p.Text("O"));
  const double a0 = ReadCalcField(p.Text("A")), w0 = ReadCalcField(p.Text("W"));
  p.Message("");
  if (h0 > 0 && w0 > 0) {
    p.Uses("H", "W");
    p.Fixed("A", h0 * Cos(w0));
    p.Fixed("O", h0 * Sin(w0));
  } else if (h0 > 0 && o0 > 0) {
    p.Uses("H", "O");
    if (o0 >= h0) return p.Message("Error: Opposite must be Less than Hypotenuse");
    double a = std::sqrt(h0 * h0 - o0 * o0);
    if (a == 0) a = 0.000001;
    p.Fixed("A", a);
    p.Fixed("W", Atan(o0 / a));
  } else if (h0 > 0 && a0 > 0) {
    p.Uses("H", "A");
    if (a0 >= h0) return p.Message("Error: Adjacent must be Less than Hypotenuse");
    const double o = std::sqrt(h0 * h0 - a0 * a0);
    p.Fixed("O", o);
    p.Fixed("W", Atan(o / a0));
  } else if (o0 > 0 && w0 > 0) {
    p.Uses("O", "W");
    const double h = o0 / Sin(w0);
    p.Fixed("H", h);
    p.Fixed("A", std::sqrt(h * h - o0 * o0));
  } else if (o0 > 0 && a0 > 0) {
    p.Uses("O", "A");
    p.Fixed("H", std::sqrt(a0 * a0 + o0 * o0));
    p.Fixed("W", Atan(o0 / a0));
  } else if (a0 > 0 && w0 > 0) {
    p.Uses("A", "W");
    const double h = a0 / Cos(w0);
    p.Fixed("H", h);
    p.Fixed("O", std::sqrt(std::fabs(h * h - a0 * a0)));
  } else {
    p.Message("Error: Not Enough Data");
  }
}

void Tap(Press& p, std::string_view b) {
  if (b == "F") {
    const double n = p.In("N"), t = p.In("T");
    FixedOrZero(p, "F", t == 0, n / t);
  } else if (b == "T") {
    const double n = p.In("N"), f = p.In("F");
    FixedOrZero(p, "T", f == 0, n / f);
  } else if (b == "N") {
    const double f = p.In("F"), t = p.In("T");
    p.Fixed("N", f * t);
  } else if (b == "Z") {
    // Three threads beyond the full thread depth clear the tap's chamfer.
    const double pd = p.In("P"), t = p.In("T");
    FixedOrZero(p, "Z", t == 0, pd + 3 / t);
  } else if (b == "P") {
    const double z = p.In("Z"), t = p.In("T");
    FixedOrZero(p, "P", t == 0 || z == 0, z - 3 / t);
  }
}

// h is the angle between the drill's cutting lip and the face of the hole.
void DrillPoint(Press& p, std::string_view b) {
  if (b == "D") {
    const double w = p.In("W"), pt = p.In("P"), c = p.In("C");
    const double h = 90 - w / 2;
    FixedOrZero(p, "D", h == 0, 2 * (pt - c) * Cos(h) / Sin(h));
  } else if (b == "W") {
    const double d = p.In("D"), pt = p.In("P"), c = p.In("C");
    FixedOrZero(p, "W", d == 0, 2 * (90 - Atan((pt - c) / (d / 2))));
  } else if (b == "P") {
    const double w = p.In("W"), d = p.In("D"), c = p.In("C");
    const double h = 90 - w / 2;
    FixedOrZero(p, "P", h == 0 || c == 0, c + Tan(h) * d / 2);
  } else if (b == "C") {
    const double w = p.In("W"), d = p.In("D"), pt = p.In("P");
    const double h = 90 - w / 2;
    if (h == 0) return;
    const double half = d / 2;
    p.Fixed("C", pt - std::sqrt(std::pow(half / Cos(h), 2) - half * half));
  }
}

// "d,m,s": each comma field an expression, a missing one 0.
double DegreesOf(std::string_view dms) {
  double parts[3] = {0, 0, 0};
  for (int i = 0; i < 3; ++i) {
    const size_t comma = dms.find(',');
    parts[i] = ReadCalcField(dms.substr(0, comma));
    if (comma == std::string_view::npos) break;
    dms.remove_prefix(comma + 1);
  }
  return parts[0] + parts[1] / 60 + parts[2] / 3600;
}

// Whole seconds first, so 30.5' never shows as 29' 60".
std::string DmsOf(double degrees) {
  const double sign = degrees < 0 ? -1 : 1;
  const double total = std::round(std::fabs(degrees) * 3600);
  const double d = std::floor(total / 3600);
  const double m = std::floor((total - d * 3600) / 60);
  const double s = total - d * 3600 - m * 60;
  return ShortForm(sign * d) + "," + ShortForm(sign * m) + "," + ShortForm(sign * s);
}

void Convert(Press& p, std::string_view b) {
  constexpr double kRadiansPerDegree = 2 * kPi / 360;
  if (b == "1") {
    p.Fixed("IN", p.In("MM") * kInchesPerMm);
  } else if (b == "2") {
    p.Fixed("MM", p.In("IN") / kInchesPerMm);
  } else if (b == "3") {
    p.In("DMS");
    p.Short("DEG", DegreesOf(p.Text("DMS")));
  } else if (b == "4") {
    p.Text("DMS") = DmsOf(p.In("DEG"));
  } else if (b == "5") {
    const double v = p.In("V"), r = p.In("R");
    p.Short("F", v * kRadiansPerDegree * r);
  } else if (b == "6") {
    const double f = p.In("F"), r = p.In("R");
    if (r != 0) p.Short("V", f / r * 360 / kPi / 2);
  } else if (b == "7") {
    const double f = p.In("F"), v = p.In("V");
    if (v != 0 && f != 0) p.Short("R", f / (v * kRadiansPerDegree));
  }
}

void IpmIprFpt(Press& p, std::string_view b) {
  if (b == "R") {
    const double f = p.In("F"), n = p.In("N");
    FixedOrZero(p, "R", n == 0, f / n);
  } else if (b == "F") {
    const double r = p.In("R"), n = p.In("N");
    p.Fixed("F", r * n);
  } else if (b == "T") {
    const double r = p.In("R"), z = p.In("Z");
    FixedOrZero(p, "T", z == 0, r / z);
  } else if (b == "N") {
    const double f = p.In("F"), r = p.In("R");
    FixedOrZero(p, "N", r == 0, f / r);
  } else if (b == "Z") {
    const double r = p.In("R"), t = p.In("T");
    FixedOrZero(p, "Z", t == 0, r / t);
  }
}

using PageFormulas = void (*)(Press&, std::string_view);

struct PageEntry {
  CalcPageDef def;
  PageFormulas formulas;
};

std::vector<CalcButtonDef> FindButtons(std::initializer_list<const char*> keys) {
  std::vector<CalcButtonDef> buttons;
  for (const char* key : keys) buttons.push_back({key, "Find", key});
  return buttons;
}

const std::vector<PageEntry>& Entries() {
  static const std::vector<PageEntry> entries = {
      {{"RPM-SFM",
        {{"D", "Diameter"}, {"S", "Surface Feet"}, {"N", "RPM"}},
        FindButtons({"D", "S", "N"})},
       RpmSfm},
      {{"Triangle",
        {{"H", "Hypotonuse"}, {"O", "Opposite"}, {"A", "Adjacent"}, {"W", "Angle"}},
        {{"Calc", "Calc", nullptr}},
        true},
       Triangle},
      {{"Tap",
        {{"N", "RPM"},
         {"T", "Threads per Inch"},
         {"F", "Inch Per Min"},
         {"P", "Thread Depth"},
         {"Z", "Z Depth"}},
        FindButtons({"N", "T", "F", "P", "Z"})},
       Tap},
      {{"Drill Point",
        {{"W", "Point Angle"},
         {"D", "Drill Diameter"},
         {"P", "Depth to Point"},
         {"C", "Depth to Corner"}},
        FindButtons({"W", "D", "P", "C"})},
       DrillPoint},
      {{"Convt",
        {{"MM", "Millimeters"},
         {"IN", "Inches"},
         {"DMS", "Degrees, Min, Sec"},
         {"DEG", "Decimal Degrees"},
         {"R", "Radius"},
         {"F", "Actual IPM"},
         {"V", "Degrees Per Minute"}},
        {{"1", "&1.Find", "IN"},
         {"2", "&2 Find", "MM"},
         {"3", "&3. Find", "DEG"},
         {"4", "&4. Find", "DMS"},
         {"5", "&5. Find", "F"},
         {"6", "&6. Find", "V"},
         {"7", "&7. Find", "R"}}},
       Convert},
      {{"Ipm-Ipr-Fpt",
        {{"F", "Inch Per Minute"},
         {"R", "Inch Per Revolution"},
         {"T", "Feed Per Tooth"},
         {"N", "RPM"},
         {"Z", "Number of Teeth"}},
        FindButtons({"F", "R", "T", "N", "Z"})},
       IpmIprFpt},
  };
  return entries;
}

}  // namespace

const std::vector<CalcPageDef>& CalcPages() {
  static const std::vector<CalcPageDef> pages = [] {
    std::vector<CalcPageDef> defs;
    for (const PageEntry& e : Entries()) defs.push_back(e.def);
    return defs;
  }();
  return pages;
}

const CalcPageDef* FindCalcPage(std::string_view caption) {
  for (const CalcPageDef& page : CalcPages()) {
    if (caption == page.caption) return &page;
  }
  return nullptr;
}

const CalcButtonDef* FindCalcButton(const CalcPageDef& page, std::string_view key) {
  for (const CalcButtonDef& button : page.buttons) {
    if (key == button.key) return &button;
  }
  return nullptr;
}

CalcPress PressCalcButton(const CalcPageDef& page, std::string_view button,
                          CalcFieldTexts& fields) {
  CalcPress result;
  if (FindCalcButton(page, button) == nullptr) return result;
  for (const PageEntry& e : Entries()) {
    if (std::string_view(e.def.caption) != page.caption) continue;
    result.known = true;
    Press press(fields, result);
    e.formulas(press, button);
  }
  return result;
}

}  // namespace vormak
