// The control panel's redraw rule: a still panel is not redrawn; a changed
// value, input and a held mouse button are.
#include "app/panel_redraw.h"
#include "tests/app/shell_fixture.h"

TEST_F(ShellTest, AStillPanelIsNotRedrawnButAChangedValueInputOrAHeldButtonRedrawsIt) {
    PanelRedraw panel;
    const auto framesDue = [&] {  // the frames drawn until the panel is still
        int n = 0;
        for (; panel.due(false) && n < 10; ++n) panel.drawing();
        return n;
    };
    const auto change = [&](auto* live) { return *live += 1, framesDue(); };
    EXPECT_EQ(framesDue(), panelSettleFrames);  // the first frames settle
    EXPECT_TRUE(panel.due(true));               // a button held
    for (const PanelCheckBox& c : panelCheckBoxes) EXPECT_EQ(change(c.live), 1) << c.label;
    for (const PanelSpinner& s : panelSpinners) EXPECT_EQ(change(s.live), 1) << s.label;
    panel.input();
    EXPECT_EQ(framesDue(), panelSettleFrames);
}
