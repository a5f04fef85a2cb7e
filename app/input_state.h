// What the shell keeps between input events: the text typed at an open
// prompt, which name prompt is open, and the last mouse position.
#pragma once

#include <cstdint>

// A prompt holds at most this many characters; the next one empties it.
constexpr int32_t MaxTypedLength = 97;

namespace InputState {

// Lives for the whole run: the message line shows it by pointer.
extern char typedText[MaxTypedLength + 1];
extern int32_t typedLength;
extern int32_t enteringSaveName;
extern int32_t enteringLoadName;
extern int32_t lastMouseX;
extern int32_t lastMouseY;

// Empties the typed text.
void clearTyped();
// Every field back to its start value.
void reset();

}  // namespace InputState
