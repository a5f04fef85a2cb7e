// The game's recording as the game logic writes it: 4-character tokens,
// handed to the recording the program has open (seams.tokenWriter).
#pragma once

constexpr int TokenLength = 4;

// The 4 characters of a word ("incX", "drop", ...).
void recordAction(const char* word);
// A 3-character prefix and a kind digit: "CT 5", "INI2".
void recordKindToken(const char* prefix, int kind);
// Exactly the 4 bytes of a token as playback read it, whatever they are.
void recordToken(const char token[TokenLength]);
// Writes the prefix and kind as recordKindToken does into out (16 bytes);
// returns the length.
int formatKindToken(char* out, const char* prefix, int kind);
