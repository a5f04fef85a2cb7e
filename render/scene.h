// The game window's frame: the well's lattice, the cubes of the settled
// stack, the falling block and the suggestion, and the three text lines.
#pragma once

#include <cstdint>

#include "model/well.h"

// The GLUT display callback: draws the frame and swaps the buffers.
void displayFrame();
// The whole frame into the back buffer, without the swap (tests and tools
// read it back).
void drawFrame();
// The grey lattice of every cell edge, in cell units.
void drawGridlines();
// One unit cube centred at (x, y, z), solid or wire, in the value's colour.
void drawCell(int32_t x, int32_t y, int32_t z, int32_t value);
// Every non-empty cell of the well as a cube, x outermost, z innermost.
void drawCells(const Well& well);
// The current colour for a cell value; values outside the table are white.
void setCellColour(int32_t value);
