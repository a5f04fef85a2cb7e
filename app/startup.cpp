// Start-up without a window: the greeting and the nine-number command line.
#include "app/startup.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "render/view_settings.h"
#include "model/message_line.h"

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

// A number as atof reads it; one that no float can hold (inf, nan, 1e99)
// counts as no number, 0, rather than handing the camera an infinity.
float realArgument(const char* text) {
    const double value = std::strtod(text, nullptr);
    return std::isfinite(value) && std::fabs(value) <= FLT_MAX ? static_cast<float>(value) : 0.0f;
}

// A whole number as atoi reads it, held to the int range instead of
// overflowing.
int wholeArgument(const char* text) {
    const long value = std::strtol(text, nullptr, 10);
    return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

}  // namespace

void postGreeting() {
    for (const Greeting& g : greeting) postMessage(g.text, g.seconds);
}

void applyCommandLine(int argc, char** argv) {
    if (argc != 10) return;
    float* const targets[9] = {
        &viewSettings.eye[0],    &viewSettings.eye[1],    &viewSettings.eye[2],
        &viewSettings.centre[0], &viewSettings.centre[1], &viewSettings.centre[2],
        &viewSettings.up[0],     &viewSettings.up[1],     &viewSettings.up[2]};
    for (int i = 0; i < 9; ++i) *targets[i] = realArgument(argv[i + 1]);
    // The light takes the whole-number parts of the eye's numbers.
    for (int i = 0; i < 3; ++i)
        viewSettings.light[i] = static_cast<float>(wholeArgument(argv[i + 1]));
}
