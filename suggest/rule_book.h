// The suggestion rule book: one rule per family and mode marks the first
// place that suits the falling block and writes the suggestion line.
#pragma once

#include "model/well.h"

struct SuggestionRule;

constexpr int HintTextSize = 60;

// The suggestion line drawn under the status line.
extern char hintText[HintTextSize];

// Fills hintText with 42 spaces, as every frame starts it.
void blankHintText();
// Paints the suggested cells into displayWell and writes hintText, for the
// falling block's kind and mode on settledWell. The frame runs it while
// hints are on. Leaves the status as it was.
void runRuleBook();

// The rule of a kind and mode, or nullptr (slab, unknown kinds and modes).
const SuggestionRule* ruleFor(int kind, int mode);
// Whether the rule takes the corner (x, y, z) on the given stack; false for
// a corner where the shape does not lie wholly inside the well.
bool ruleAccepts(const SuggestionRule& rule, const Well& stack, int x, int y, int z);
