// Moving and turning the falling block: every move is applied, judged by the
// fit test and undone when it does not fit.
#pragma once

enum class Move { PlusX, MinusX, PlusZ, MinusZ };

// Runs the fit test on the repainted block: Collision when it overlaps the
// settled stack (OutOfWell comes from the repaint itself).
void testBlockFit();
// Records the move's word, applies it, plays the move cue and undoes it when
// the block does not fit.
void moveBlock(Move move);
// Records "incM", plays the turn cue and takes the next mode that fits.
void turnBlock();
