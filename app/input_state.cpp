// Start values of the shell's input state.
#include "app/input_state.h"

#include "app/view_settings.h"

namespace InputState {

char typedText[MaxTypedLength + 1] = {};
int32_t typedLength = 0;
int32_t enteringSaveName = 0;
int32_t enteringLoadName = 0;
int32_t lastMouseX = ViewSettings::windowWidth / 2;
int32_t lastMouseY = ViewSettings::windowHeight / 2;

void clearTyped() {
    typedLength = 0;
    typedText[0] = '\0';
}

void reset() {
    clearTyped();
    enteringSaveName = 0;
    enteringLoadName = 0;
    lastMouseX = ViewSettings::windowWidth / 2;
    lastMouseY = ViewSettings::windowHeight / 2;
}

}  // namespace InputState
