// Shell test helpers: the seam recorder and the temporary recording.
#include "tests/app/shell_support.h"

#include <cstdio>
#include <fstream>

#include "app/commands.h"
#include "app/input_state.h"
#include "app/replay_log.h"
#include "app/replay_source.h"
#include "app/view_settings.h"
#include "app/window_seam.h"
#include "model/block.h"
#include "tests/support/test_support.h"

namespace shell_support {

SeamCalls seamCalls;

namespace {
std::string recordingPath;

void redisplay() {
    ++seamCalls.redisplays;
    seamCalls.order += 'R';
}
void projection() {
    ++seamCalls.projections;
}
void fullScreen() {
    ++seamCalls.fullScreens;
}
void reshape(int w, int h) {
    seamCalls.reshapes.emplace_back(w, h);
}
void position(int x, int y) {
    seamCalls.positions.emplace_back(x, y);
}
void syncPanel() {
    ++seamCalls.panelSyncs;
    seamCalls.order += 'S';
}
void makeCurrent() {
    ++seamCalls.makeCurrents;
    seamCalls.order += 'C';
}
void exitProcess(int status) {
    seamCalls.exits.push_back(status);
}
}  // namespace

void resetShell() {
    testing_support::resetGame();
    InputState::reset();
    ViewSettings::reset();
    closeReplay();
    seamCalls = SeamCalls{};
    recordingPath.clear();
    windowSeam::redisplay = redisplay;
    windowSeam::setProjection = projection;
    windowSeam::fullScreen = fullScreen;
    windowSeam::reshapeWindow = reshape;
    windowSeam::positionWindow = position;
    windowSeam::syncPanel = syncPanel;
    windowSeam::makeGameWindowCurrent = makeCurrent;
    windowSeam::exitProcess = exitProcess;
}

std::string recordToTemp(const std::string& name) {
    recordingPath = testing_support::tempPath(name);
    openRecordingFile(recordingPath);
    return recordingPath;
}

std::string recorded() {
    if (replayLog.file) std::fflush(replayLog.file);
    return testing_support::readFile(recordingPath);
}

std::string writeTemp(const std::string& name, const std::string& text) {
    const std::string path = testing_support::tempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

void press(const std::string& keys) {
    for (const char k : keys) onKey(static_cast<unsigned char>(k), 0, 0);
}

int blockCells() {
    int n = 0;
    for (int i = 0; i < WellCells; ++i) n += blockWell.cells[i] != EmptyCell;
    return n;
}

std::vector<std::string> tokens(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i + 4 <= text.size(); i += 4) out.push_back(text.substr(i, 4));
    return out;
}

}  // namespace shell_support
