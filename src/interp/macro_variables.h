#pragma once
// The numbered variables of macro programs: locals #1..#33 on macro levels 0..5, commons
// #100..#199 and permanents #500..#699. Every other number reads 0 and takes nothing.

#include <array>
#include <string>
#include <string_view>

namespace vormak {

inline constexpr int kMacroLevels = 6;  // levels 0..5: G65 calls nest five deep
inline constexpr int kLocalCount = 33;
inline constexpr int kFirstCommon = 100;
inline constexpr int kLastCommon = 199;
inline constexpr int kFirstPermanent = 500;
inline constexpr int kLastPermanent = 699;

struct MacroVariables {
  std::array<std::array<double, kLocalCount>, kMacroLevels> locals{};
  std::array<double, kLastCommon - kFirstCommon + 1> commons{};
  std::array<double, kLastPermanent - kFirstPermanent + 1> permanents{};
  int level = 0;  // the set of locals in use
};

// Whether `n` names a variable of the store.
bool IsVariableNumber(long long n);

// Variable n as the current macro level sees it; 0 for a number outside the store.
double GetVariable(const MacroVariables& vars, long long n);
// Sets variable n, locals on `level` (0..5); anything outside the store is ignored.
void SetVariable(MacroVariables& vars, int level, long long n, double value);

// A new program run: every local set cleared, level 0; commons and permanents stay.
void ClearLocals(MacroVariables& vars);

// Script variables live in the same store: script #1..#99 are #100..#198, script
// #100..#199 are #600..#699. 0 for any other script number.
long long ScriptVariableNumber(long long script_number);

// The value with four decimals, cut to ten characters (never into the whole part);
// "0" for a number outside the store. The short form watch lists and scripts show.
std::string VariableText(const MacroVariables& vars, long long n);

// The full value: the shortest text that reads back to the same number, always with a point
// so that no implied decimal divides it ("2." for 2, "0.00015", "-1.25"); "0." outside the
// store.
std::string ExactVariableText(const MacroVariables& vars, long long n);

// Replaces every prefix and the digits after it by ExactVariableText of that number, in a
// text of any length. A sign written before a negative variable folds into it: X-#4 with
// #4 = -1.25 gives X1.25, [1-#4] gives [1+1.25], X+#4 gives.
std::string SubstituteVariables(const MacroVariables& vars, char prefix, std::string_view text);

}  // namespace vormak
