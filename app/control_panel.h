// The control panel: a second top-level window whose Dear ImGui controls
// are bound in place to the view settings and two game switches.
#pragma once

// Creates the "CONTROL PANEL" window at (650, 0) and its ImGui context.
void createControlPanel();
// Asks the panel for a new frame when one is due (app/panel_redraw.h); each
// frame reads every live variable, so this brings the controls up to date.
void syncControlPanel();
// Hides the panel window (the timedemo, to measure what the panel costs).
void hideControlPanel();
// Frames the panel has drawn so far.
long controlPanelFrames();
