#pragma once
// How a script line is read: the statement word upper-cased, its comma-separated arguments as
// raw text, as a number or as a whole number, the script variables #1..#199 and the bracket
// conditions of IF and of assignments.

#include <string>
#include <string_view>

namespace vormak {

class Workbench;

inline constexpr const char* kMismatchedBrackes = "Missmatched Brackes";
inline constexpr int kScriptVariableLimit = 200;  // #200 and above hold nothing

// Upper-cases the statement word (the text before the first blank or comma) when the line
// holds both a blank and a comma, otherwise the whole line: "message Hello, world" becomes
// "MESSAGE Hello, world", "message hello world" becomes "MESSAGE HELLO WORLD".
std::string NormaliseScriptLine(std::string_view line);

// Argument k (from 1) as raw text: blanks kept, nothing evaluated; "" when absent. The first
// blank stands for a comma when it comes before the first comma.
std::string TextArg(int k, std::string_view line);
// Argument k with script variables substituted and evaluated; 0 on failure or absence.
double NumberArg(const Workbench& bench, int k, std::string_view line);
// Argument k (1..5) where every blank separates arguments, evaluated and taken to the nearest
// whole number (a half to the even one); variables are substituted for k = 1 to 3 only.
long long IntegerArg(const Workbench& bench, int k, std::string_view line);

// Script variable n: #1..#99 are macro #100..#198, #100..#199 macro #600..#699; 0 otherwise.
double GetScriptVariable(const Workbench& bench, long long n);
// Sets variable n (1..199). A number of 200 or more is refused with "Script Variable n Out of
// Range"; numbers below 1 change nothing.
void SetScriptVariable(Workbench& bench, long long n, double value);
// The value with four decimals, cut to ten characters, as a script sees it in text.
std::string ScriptVariableText(const Workbench& bench, long long n);

// Every "#" and the digits and points after it replaced by that variable's text.
std::string SubstituteScriptVariables(const Workbench& bench, std::string_view text);

// The condition between the first "[" and the last "]" (with "<>", ">", "<" or "=", exact
// comparisons) or arithmetic, replaced by its value as text.
std::string EvaluateBrackets(Workbench& bench, std::string_view text);

// A whole number of the text, or `fallback` when it is not one.
long long WholeNumberOf(std::string_view text, long long fallback);

}  // namespace vormak
