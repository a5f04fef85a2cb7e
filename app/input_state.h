// What the shell keeps between input events: the text typed at an open
// prompt, which name prompt is open, and the last mouse position. The
// initialisers are the values at program start.
#pragma once

#include <cstdint>

#include "render/view_settings.h"

// A prompt holds at most this many characters; the next one empties it.
constexpr int32_t MaxTypedLength = 97;

struct InputState {
    // The message line shows it by pointer while it is typed.
    char typedText[MaxTypedLength + 1] = {};
    int32_t typedLength = 0;
    int32_t enteringSaveName = 0;
    int32_t enteringLoadName = 0;
    int32_t lastMouseX = ViewSettings::windowWidth / 2;
    int32_t lastMouseY = ViewSettings::windowHeight / 2;

    // Empties the typed text.
    void clearTyped() {
        typedLength = 0;
        typedText[0] = '\0';
    }
};

inline InputState inputState;
