// The control panel: a second top-level window whose Dear ImGui controls
// are bound in place to the view settings and two game switches.
#pragma once

// Creates the "CONTROL PANEL" window at (650, 0) and its ImGui context.
void createControlPanel();
// Asks the panel for a new frame; each frame reads every live variable, so
// this is what brings the controls up to date.
void syncControlPanel();
