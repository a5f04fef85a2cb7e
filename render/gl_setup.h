// The GL state every frame relies on, set once at start-up with the game
// window's context current.
#pragma once

// Lighting with light 0, colour-tracked materials with a fixed specular
// part, renormalised normals and depth testing.
void initGraphics();
