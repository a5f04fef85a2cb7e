// The suggestion rule book: one rule per family and mode marks the first
// place that suits the falling block and writes the suggestion line.
#pragma once

constexpr int HintTextSize = 60;

// The suggestion line drawn under the status line.
extern char hintText[HintTextSize];

// Fills hintText with 42 spaces, as every frame starts it.
void blankHintText();
// Paints the suggested cells into displayWell and writes hintText.
void runRuleBook();
