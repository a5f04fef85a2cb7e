// The control panel's bound variables and its redraw rule.
#include "app/panel_redraw.h"

#include <cstring>

#include "model/game_state.h"
#include "render/view_settings.h"

const PanelCheckBox panelCheckBoxes[panelCheckBoxCount] = {
    {"Rotation along x axis", &viewSettings.rotateX},
    {"Rotation along y axis", &viewSettings.rotateY},
    {"Rotation along z axis", &viewSettings.rotateZ},
    {"Show Gridlines", &viewSettings.gridlines},
    {"Orthogonal View", &viewSettings.orthogonal},
    {"Wireframe View", &viewSettings.wireframe},
    {"Navigating Mode", &viewSettings.navigating},
    {"Hints ON", &gameState.hintsOn},
    {"Sound ON", &gameState.soundOn},
};

const PanelSpinner panelSpinners[panelSpinnerCount] = {
    {"x position of light", &viewSettings.light[0]},
    {"y position of light", &viewSettings.light[1]},
    {"z position of light", &viewSettings.light[2]},
    {"x position of camera", &viewSettings.eye[0]},
    {"y position of camera", &viewSettings.eye[1]},
    {"z position of camera", &viewSettings.eye[2]},
};

PanelRedraw::Shown PanelRedraw::live() {
    Shown now;
    for (int i = 0; i < panelCheckBoxCount; ++i) now.flags[i] = *panelCheckBoxes[i].live;
    for (int i = 0; i < panelSpinnerCount; ++i)
        std::memcpy(&now.floatBits[i], panelSpinners[i].live, sizeof(float));
    return now;
}

bool PanelRedraw::due(bool buttonHeld) const {
    return buttonHeld || framesSinceInput < panelSettleFrames || live() != shown;
}

void PanelRedraw::drawing() {
    shown = live();
    if (framesSinceInput < panelSettleFrames) ++framesSinceInput;
    ++frames;
}
