// The control panel's redraw rule: a still panel is not redrawn; a changed
// value, input and a held mouse button are.
#include "app/panel_redraw.h"
#include "tests/app/shell_fixture.h"

TEST_F(ShellTest, AStillPanelIsNotRedrawnButAChangedValueInputOrAHeldButtonRedrawsIt) {
    PanelRedraw panel;
    const auto settles = [&] {  // the frames after input, then no more
        for (int i = 0; i < panelSettleFrames; ++i) {
            EXPECT_TRUE(panel.due(false));
            panel.drawing();
        }
        EXPECT_FALSE(panel.due(false));
    };
    settles();
    EXPECT_TRUE(panel.due(true));
    const auto changes = [&](auto* live, const char* label) {
        *live += 1;
        EXPECT_TRUE(panel.due(false)) << label;
        panel.drawing();
        EXPECT_FALSE(panel.due(false)) << label;
    };
    for (const PanelCheckBox& c : panelCheckBoxes) changes(c.live, c.label);
    for (const PanelSpinner& s : panelSpinners) changes(s.live, s.label);
    panel.input();
    settles();
    EXPECT_EQ(panel.framesDrawn(), 2 * panelSettleFrames + 15);
}
