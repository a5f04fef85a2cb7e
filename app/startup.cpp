// Start-up without a window: the greeting and the nine-number command line.
#include "app/startup.h"

#include <cstdint>
#include <cstdlib>

#include "app/view_settings.h"
#include "render/message_line.h"

namespace {

struct Greeting {
    const char* text;
    int32_t seconds;
};

// The blanks clear the line between the tips; the last one stays.
const Greeting greeting[] = {
    {"Welcome to 3D Zandok.  Press '?' to show all keys.", 4},
    {"", 2},
    {":) - Use 'a' 'd' 'w' & 'x' to control the block and use 's' to change the shape", 7},
    {"", 3},
    {":) - Try out the different numbers for viewing features! You will be surprised", 7},
    {"", 3},
    {":) - You can also use your mouse to navigate.  Press 'z' to toggle between different view "
     "modes",
     7},
    {"", 3},
};

}  // namespace

void postGreeting() {
    for (const Greeting& g : greeting) postMessage(g.text, g.seconds);
}

void applyCommandLine(int argc, char** argv) {
    if (argc != 10) return;
    float* const targets[9] = {
        &ViewSettings::eye[0],    &ViewSettings::eye[1],    &ViewSettings::eye[2],
        &ViewSettings::centre[0], &ViewSettings::centre[1], &ViewSettings::centre[2],
        &ViewSettings::up[0],     &ViewSettings::up[1],     &ViewSettings::up[2]};
    for (int i = 0; i < 9; ++i) *targets[i] = static_cast<float>(std::atof(argv[i + 1]));
    // The light takes the whole-number parts of the eye's numbers.
    for (int i = 0; i < 3; ++i) ViewSettings::light[i] = static_cast<float>(std::atoi(argv[i + 1]));
}
