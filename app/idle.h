// The clock of the game: gravity by the wall clock, or one replay token per
// pass, with the panel kept in step and a new frame every pass.
#pragma once

void onIdle();
