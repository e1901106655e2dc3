#pragma once
// The calculator's formula pages: shop-floor formulas on a few labelled fields, each Find
// button working out its own field from the others of the page. The window and vormak-batch
// calc both drive a page through PressCalcButton, so they always show the same answers.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vormak {

struct CalcFieldDef {
  const char* key;    // the letter that names the field (D, S, N ...; MM, IN, DMS, DEG on Convt)
  const char* label;  // the caption beside it
};

struct CalcButtonDef {
  const char* key;      // the field the button finds, "Calc" on Triangle, 1..7 on Convt
  const char* caption;  // with its accelerator
  const char* target;   // the field it writes, shown beside it; nullptr for Triangle's Calc
};

struct CalcPageDef {
  const char* caption;  // the tab caption
  std::vector<CalcFieldDef> fields;
  std::vector<CalcButtonDef> buttons;
  bool has_message = false;  // Triangle's error line
};

// The six formula pages in tab order (the Calc page's running list is calc_list.h).
const std::vector<CalcPageDef>& CalcPages();
// The page with that tab caption; nullptr for none.
const CalcPageDef* FindCalcPage(std::string_view caption);
// The button with that key; nullptr for none.
const CalcButtonDef* FindCalcButton(const CalcPageDef& page, std::string_view key);

// The texts of a page's fields by key; a field not present reads as empty.
using CalcFieldTexts = std::map<std::string, std::string>;

struct CalcPress {
  bool known = false;               // the page has such a button
  std::vector<std::string> inputs;  // keys of the fields read: their labels turn red
  std::string message;              // the page's message line after the press ("" clears it)
};

// Presses `button` of `page`: reads the fields, writes the fields the button finds.
CalcPress PressCalcButton(const CalcPageDef& page, std::string_view button, CalcFieldTexts& fields);

}  // namespace vormak
