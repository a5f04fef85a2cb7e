// When the control panel draws: the live variables its controls are bound to,
// and the rule that keeps a still panel from being redrawn. A frame is due
// when a value it shows has changed since its last frame, while a mouse
// button is held on it, and for a few frames after any input, which Dear
// ImGui needs to settle its hover and active states. Exposes draw through
// GLUT's own display callback. No GL or ImGui here: tests check the rule.
#pragma once

#include <array>
#include <cstdint>

struct PanelCheckBox {
    const char* label;
    int32_t* live;
};
struct PanelSpinner {
    const char* label;
    float* live;
};
constexpr int panelCheckBoxCount = 9;
constexpr int panelSpinnerCount = 6;
extern const PanelCheckBox panelCheckBoxes[panelCheckBoxCount];
extern const PanelSpinner panelSpinners[panelSpinnerCount];

// The frames drawn after input before a still panel stops drawing.
constexpr int panelSettleFrames = 3;

class PanelRedraw {
public:
    // Input reached the panel (mouse, motion, keys, entry, resize).
    void input() { framesSinceInput = 0; }
    // Whether the panel needs a new frame now.
    bool due(bool buttonHeld) const;
    // A frame is being drawn from the live values as they are now.
    void drawing();
    long framesDrawn() const { return frames; }

private:
    struct Shown {
        std::array<int32_t, panelCheckBoxCount> flags{};
        std::array<uint32_t, panelSpinnerCount> floatBits{};  // compared bit for bit
        bool operator==(const Shown&) const = default;
    };
    static Shown live();
    Shown shown{};
    int framesSinceInput = 0;  // the first frames settle too
    long frames = 0;
};
