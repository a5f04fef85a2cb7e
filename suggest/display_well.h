// What a frame shows of the game, worked out without drawing anything: the
// suggestion line and the display well.
#pragma once

// Resets the status word (once a frame), blanks hintText, lets the rule book
// paint its suggestion when asked, then lays the settled stack and the
// falling block over it in displayWell.
void composeDisplayWell(bool withSuggestion);
