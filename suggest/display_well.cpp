// The display well of a frame.
#include "suggest/display_well.h"

#include "model/block.h"
#include "suggest/rule_book.h"

void composeDisplayWell(bool withSuggestion) {
    resetStatus();
    displayWell.clear();
    blankHintText();
    if (withSuggestion) runRuleBook();
    // Settled cubes cover suggested cells, and the falling block covers both.
    displayWell.overlay(settledWell, blockWell);
}
