#pragma once
// The macro statements of a block: assignments, G65 arguments and IF/WHILE conditions.

#include <string_view>

#include "interp/line_cache.h"

namespace vormak {

class Workbench;

// "#n=value": sets variable n on the current macro level. The right side is substituted and
// read as the "=" word: in brackets it is an expression, otherwise its leading number text.
void Assign(Workbench& bench, std::string_view line);

// The statement "#n=..." read once for Assign's sake when its right side is plain arithmetic
// (numbers, variables, + - * /), which the evaluator reads the same whatever values the
// variables take; anything else is left `usable` false.
ReadyAssignment ReadAssignment(const Workbench& bench, std::string_view line);
// Carries out a statement so read with the variables' values of now. False when the evaluator
// refused it: Assign then goes over it and gives the warning.
bool AssignReady(Workbench& bench, const ReadyAssignment& ready);

// The G65 words of `block` into the locals of `level` (A #1, B #2, C #3, I #4 ... Z #26).
void LoadMacroArguments(Workbench& bench, int level, std::string_view block);

// "a EQ b" and the other comparisons of two plain numbers, within a millionth.
bool Condition(const Workbench& bench, std::string_view text);

// The variable prefix of the current machine ("#" when none is set).
char VariablePrefix(const Workbench& bench);

}  // namespace vormak
