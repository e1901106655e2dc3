#include "calc/calc_pages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "calc/calc_number.h"

namespace vormak {
namespace {

using Inputs = std::vector<std::string>;

// Presses a button of the page with these fields filled; answers the fields afterwards.
struct Pressed {
  CalcFieldTexts fields;
  CalcPress press;
};

Pressed Press(const char* page, const char* button, CalcFieldTexts fields) {
  const CalcPageDef* def = FindCalcPage(page);
  EXPECT_NE(def, nullptr) << page;
  Pressed p{std::move(fields), {}};
  if (def) p.press = PressCalcButton(*def, button, p.fields);
  return p;
}

double Number(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

TEST(CalcNumber, FixedAndShortForms) {
  EXPECT_EQ(FixedForm(1.5), "  1.5000");
  EXPECT_EQ(FixedForm(-382), "-382.0000");
  EXPECT_EQ(ShortForm(0.5), ".5");
  EXPECT_EQ(ShortForm(-0.5), "-.5");
  EXPECT_EQ(ShortForm(10), "10.0");
  EXPECT_EQ(ShortForm(0), ".0");
  EXPECT_EQ(ShortForm(-0.00001), ".0");
  EXPECT_EQ(ShortForm(2.12345), "2.1235");
  // Overflowed answers show as 0, never as "inf" or "nan".
  EXPECT_EQ(FixedForm(1e308 * 10), "  0.0000");
  EXPECT_EQ(ShortForm(std::nan("")), ".0");
  EXPECT_EQ(FixedForm(1e20).substr(0, 3), "100");
  EXPECT_EQ(GeneralForm(6), "6");
  EXPECT_EQ(GeneralForm(2.5), "2.5");
  EXPECT_EQ(GeneralForm(1.0 / 3), "0.3333333333");
  EXPECT_EQ(GeneralForm(1e15), "1E15");
}

TEST(CalcNumber, FieldsReadAsExpressionsOrZero) {
  EXPECT_DOUBLE_EQ(ReadCalcField(" 1 + 2 "), 3);
  EXPECT_DOUBLE_EQ(ReadCalcField("2*(1+2)"), 6);
  EXPECT_DOUBLE_EQ(ReadCalcField("abc"), 0);
  EXPECT_DOUBLE_EQ(ReadCalcField(""), 0);
  EXPECT_DOUBLE_EQ(ReadCalcField("1/0"), 0);
}

TEST(CalcPages, SevenTabsWithTheirFields) {
  ASSERT_EQ(CalcPages().size(), 6u);  // the seventh, Calc, is the running list
  const char* captions[] = {"RPM-SFM", "Triangle", "Tap", "Drill Point", "Convt", "Ipm-Ipr-Fpt"};
  for (size_t i = 0; i < 6; ++i) EXPECT_STREQ(CalcPages()[i].caption, captions[i]);
  EXPECT_EQ(FindCalcPage("Calc"), nullptr);
  EXPECT_EQ(FindCalcPage("Convt")->buttons[0].caption, std::string("&1.Find"));
  EXPECT_EQ(FindCalcPage("Convt")->buttons[1].caption, std::string("&2 Find"));
}

TEST(CalcPages, UnknownButtonChangesNothing) {
  auto p = Press("RPM-SFM", "Q", {{"D", "1"}});
  EXPECT_FALSE(p.press.known);
  EXPECT_EQ(p.fields.at("D"), "1");
  EXPECT_EQ(p.fields.count("N"), 0u);
}

TEST(CalcPages, RpmSfm) {
  auto n = Press("RPM-SFM", "N", {{"S", "100"}, {"D", "1"}});
  EXPECT_EQ(n.fields["N"], "382.0000");
  EXPECT_EQ(n.press.inputs, (Inputs{"S", "D"}));
  auto d = Press("RPM-SFM", "D", {{"S", "100"}, {"N", "382"}});
  EXPECT_NEAR(Number(d.fields["D"]), 1.0, 1e-3);
  auto s = Press("RPM-SFM", "S", {{"D", "2"}, {"N", "191"}});
  EXPECT_EQ(s.fields["S"], "100.0000");
  EXPECT_EQ(Press("RPM-SFM", "N", {{"S", "100"}, {"D", "0"}}).fields["N"], "0");
  EXPECT_EQ(Press("RPM-SFM", "N", {{"S", "100"}, {"D", "one"}}).fields["N"], "0");
  EXPECT_EQ(Press("RPM-SFM", "D", {{"S", "100"}}).fields["D"], "0");
}

TEST(CalcPages, TriangleCasesInOrder) {
  auto ho = Press("Triangle", "Calc", {{"H", "5"}, {"O", "3"}});
  EXPECT_EQ(ho.fields["A"], "  4.0000");
  EXPECT_EQ(ho.fields["W"], " 36.8699");
  EXPECT_EQ(ho.press.inputs, (Inputs{"H", "O"}));
  EXPECT_EQ(ho.press.message, "");

  auto hw = Press("Triangle", "Calc", {{"H", "2"}, {"W", "30"}, {"O", "7"}});
  EXPECT_EQ(hw.fields["A"], "  1.7321");
  EXPECT_EQ(hw.fields["O"], "  1.0000");  // H and W come before H and O

  auto ha = Press("Triangle", "Calc", {{"H", "5"}, {"A", "4"}});
  EXPECT_EQ(ha.fields["O"], "  3.0000");
  EXPECT_EQ(ha.fields["W"], " 36.8699");

  auto ow = Press("Triangle", "Calc", {{"O", "1"}, {"W", "30"}});
  EXPECT_EQ(ow.fields["H"], "  2.0000");
  EXPECT_EQ(ow.fields["A"], "  1.7321");

  auto oa = Press("Triangle", "Calc", {{"O", "3"}, {"A", "4"}});
  EXPECT_EQ(oa.fields["H"], "  5.0000");
  EXPECT_EQ(oa.fields["W"], " 36.8699");

  auto aw = Press("Triangle", "Calc", {{"A", "4"}, {"W", "36.869897645844"}});
  EXPECT_EQ(aw.fields["H"], "  5.0000");
  EXPECT_EQ(aw.fields["O"], "  3.0000");
  EXPECT_EQ(aw.press.inputs, (Inputs{"A", "W"}));
}

TEST(CalcPages, TriangleMessages) {
  auto equal = Press("Triangle", "Calc", {{"H", "3"}, {"O", "3"}, {"A", ""}});
  EXPECT_EQ(equal.press.message, "Error: Opposite must be Less than Hypotenuse");
  EXPECT_EQ(equal.fields["A"], "");
  EXPECT_EQ(Press("Triangle", "Calc", {{"H", "3"}, {"A", "4"}}).press.message,
            "Error: Adjacent must be Less than Hypotenuse");
  auto none = Press("Triangle", "Calc", {{"H", "5"}, {"O", "-3"}, {"W", "text"}});
  EXPECT_EQ(none.press.message, "Error: Not Enough Data");
  EXPECT_TRUE(none.press.inputs.empty());
}

TEST(CalcPages, Tap) {
  EXPECT_EQ(Press("Tap", "F", {{"N", "600"}, {"T", "20"}}).fields["F"], " 30.0000");
  EXPECT_EQ(Press("Tap", "F", {{"N", "600"}, {"T", "0"}}).fields["F"], "0");
  EXPECT_EQ(Press("Tap", "T", {{"N", "600"}, {"F", "30"}}).fields["T"], " 20.0000");
  EXPECT_EQ(Press("Tap", "N", {{"F", "30"}, {"T", "20"}}).fields["N"], "600.0000");
  EXPECT_EQ(Press("Tap", "Z", {{"P", ".5"}, {"T", "10"}}).fields["Z"], "  0.8000");
  EXPECT_EQ(Press("Tap", "P", {{"Z", ".8"}, {"T", "10"}}).fields["P"], "  0.5000");
  EXPECT_EQ(Press("Tap", "P", {{"Z", "0"}, {"T", "10"}}).fields["P"], "0");
  EXPECT_EQ(Press("Tap", "Z", {{"P", ".5"}}).fields["Z"], "0");
}

TEST(CalcPages, DrillPointRoundTrip) {
  // A 118 degree drill of .5 diameter: the point is .1502 long.
  auto p = Press("Drill Point", "P", {{"W", "118"}, {"D", ".5"}, {"C", "1"}});
  EXPECT_EQ(p.fields["P"], "  1.1502");
  EXPECT_EQ(p.press.inputs, (Inputs{"W", "D", "C"}));
  auto c = Press("Drill Point", "C", {{"W", "118"}, {"D", ".5"}, {"P", "1.1502151548"}});
  EXPECT_EQ(c.fields["C"], "  1.0000");
  auto d = Press("Drill Point", "D", {{"W", "118"}, {"P", "1.1502151548"}, {"C", "1"}});
  EXPECT_EQ(d.fields["D"], "  0.5000");
  auto w = Press("Drill Point", "W", {{"D", ".5"}, {"P", "1.1502151548"}, {"C", "1"}});
  EXPECT_EQ(w.fields["W"], "118.0000");
}

TEST(CalcPages, DrillPointFlatOrMissing) {
  EXPECT_EQ(Press("Drill Point", "P", {{"W", "180"}, {"D", ".5"}, {"C", "1"}}).fields["P"], "0");
  EXPECT_EQ(Press("Drill Point", "P", {{"W", "118"}, {"D", ".5"}}).fields["P"], "0");
  EXPECT_EQ(Press("Drill Point", "D", {{"W", "180"}, {"P", "1"}}).fields["D"], "0");
  EXPECT_EQ(Press("Drill Point", "W", {{"P", "1"}, {"C", ".5"}}).fields["W"], "0");
  auto flat = Press("Drill Point", "C", {{"W", "180"}, {"D", ".5"}, {"P", "1"}, {"C", "kept"}});
  EXPECT_EQ(flat.fields["C"], "kept");
}

TEST(CalcPages, ConvtLengthsAndAngles) {
  EXPECT_EQ(Press("Convt", "1", {{"MM", "25.4"}}).fields["IN"], "  1.0000");
  EXPECT_EQ(Press("Convt", "2", {{"IN", "1"}}).fields["MM"], " 25.4001");
  EXPECT_EQ(Press("Convt", "3", {{"DMS", "10,30,0"}}).fields["DEG"], "10.5");
  EXPECT_EQ(Press("Convt", "3", {{"DMS", "10, 30"}}).fields["DEG"], "10.5");
  EXPECT_EQ(Press("Convt", "4", {{"DEG", "10.5"}}).fields["DMS"], "10.0,30.0,.0");
  // 10 31' 0" is no exact binary fraction: the minutes must not come back as 30' 60".
  auto back = Press("Convt", "3", {{"DMS", "10,31,0"}});
  EXPECT_EQ(Press("Convt", "4", {{"DEG", "10.516666666666667"}}).fields["DMS"], "10.0,31.0,.0");
  EXPECT_EQ(back.fields["DEG"], "10.5167");
  EXPECT_EQ(Press("Convt", "4", {{"DEG", "-10.5"}}).fields["DMS"], "-10.0,-30.0,.0");
  EXPECT_EQ(Press("Convt", "4", {{"DEG", "1.0125"}}).fields["DMS"], "1.0,.0,45.0");
}

TEST(CalcPages, ConvtRotaryFeed) {
  auto f = Press("Convt", "5", {{"V", "360"}, {"R", "1"}});
  EXPECT_EQ(f.fields["F"], "6.2832");
  EXPECT_EQ(f.press.inputs, (Inputs{"V", "R"}));
  EXPECT_EQ(Press("Convt", "6", {{"F", "6.283185307"}, {"R", "1"}}).fields["V"], "360.0");
  EXPECT_EQ(Press("Convt", "6", {{"F", "6"}, {"R", "0"}, {"V", "9"}}).fields["V"], "9");
  EXPECT_EQ(Press("Convt", "7", {{"F", "6.283185307"}, {"V", "360"}}).fields["R"], "1.0");
  EXPECT_EQ(Press("Convt", "7", {{"F", "0"}, {"V", "360"}, {"R", "4"}}).fields["R"], "4");
  EXPECT_EQ(Press("Convt", "7", {{"F", "6"}, {"V", ""}, {"R", "4"}}).fields["R"], "4");
}

TEST(CalcPages, IpmIprFpt) {
  EXPECT_EQ(Press("Ipm-Ipr-Fpt", "R", {{"F", "10"}, {"N", "1000"}}).fields["R"], "  0.0100");
  EXPECT_EQ(Press("Ipm-Ipr-Fpt", "R", {{"F", "10"}}).fields["R"], "0");
  EXPECT_EQ(Press("Ipm-Ipr-Fpt", "F", {{"R", ".01"}, {"N", "1000"}}).fields["F"], " 10.0000");
  EXPECT_EQ(Press("Ipm-Ipr-Fpt", "T", {{"R", ".01"}, {"Z", "4"}}).fields["T"], "  0.0025");
  EXPECT_EQ(Press("Ipm-Ipr-Fpt", "T", {{"R", ".01"}, {"Z", "0"}}).fields["T"], "0");
  EXPECT_EQ(Press("Ipm-Ipr-Fpt", "N", {{"F", "10"}, {"R", ".01"}}).fields["N"], "1000.0000");
  EXPECT_EQ(Press("Ipm-Ipr-Fpt", "Z", {{"R", ".01"}, {"T", ".0025"}}).fields["Z"], "  4.0000");
  EXPECT_EQ(Press("Ipm-Ipr-Fpt", "Z", {{"R", ".01"}, {"T", "x"}}).fields["Z"], "0");
}

}  // namespace
}  // namespace vormak
