// Helpers for the shell's tests: a fresh shell on top of a fresh game, a
// window seam that counts its calls, and a recording in a temporary file.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace shell_support {

struct SeamCalls {
    int redisplays = 0;
    int projections = 0;
    int fullScreens = 0;
    int panelSyncs = 0;
    int makeCurrents = 0;
    std::vector<std::pair<int, int>> reshapes;
    std::vector<std::pair<int, int>> positions;
    std::vector<int> exits;
    // The order of the idle pass's calls: 'S'ync, 'C'urrent, 'R'edisplay.
    std::string order;
};

extern SeamCalls seamCalls;

// resetGame(), then the input state, the view, the replay source and a
// window seam that records into seamCalls.
void resetShell();
// Records into a fresh temporary file from here on; returns its path.
std::string recordToTemp(const std::string& name = "recording.txt");
// The recording as it stands.
std::string recorded();
// Writes text to a fresh temporary file and returns its path.
std::string writeTemp(const std::string& name, const std::string& text);
// Presses the keys in order, as GLUT would deliver them.
void press(const std::string& keys);
// Number of cubes painted in the block well.
int blockCells();
// The recording split into its 4-character tokens.
std::vector<std::string> tokens(const std::string& text);

}  // namespace shell_support
