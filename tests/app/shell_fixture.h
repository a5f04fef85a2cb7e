// A fresh game and shell for every test: the window seam writes its calls to
// seamLog, and the game is recorded into a temporary file.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/commands.h"
#include "app/input_state.h"
#include "app/recording.h"
#include "app/replay_source.h"
#include "model/sound_cue.h"
#include "render/view_settings.h"
#include "app/window_seam.h"
#include "model/block.h"
#include "model/message_line.h"
#include "tests/support/test_support.h"

using namespace testing_support;

// Runs a shell command; returns what it wrote to standard output.
inline std::string run(const std::string& command) {
    std::string out;
    std::FILE* p = popen(command.c_str(), "r");
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;) out.append(buffer, n);
    pclose(p);
    return out;
}

// R redisplay, P projection, F full screen, S panel sync, C game window made
// current, W reshape (width * 1000 + height), @ position (likewise), X exit
// (status).
inline std::string seamLog;

class ShellTest : public ::testing::Test {
protected:
    std::string recPath;
    void SetUp() override { reset(); }
    void TearDown() override { closeRecording(); }
    void reset() {
        resetGame();
        inputState.reset();
        viewSettings.reset();
        closeReplay();
        seamLog.clear();
        using namespace windowSeam;
        redisplay = [] { seamLog += 'R'; };
        setProjection = [] { seamLog += 'P'; };
        fullScreen = [] { seamLog += 'F'; };
        syncPanel = [] { seamLog += 'S'; };
        makeGameWindowCurrent = [] { seamLog += 'C'; };
        reshapeWindow = [](int w, int h) { seamLog += 'W' + std::to_string(w * 1000 + h); };
        positionWindow = [](int x, int y) { seamLog += '@' + std::to_string(x * 1000 + y); };
        exitProcess = [](int status) { seamLog += 'X' + std::to_string(status); };
        openRecordingFile(recPath = tempPath("rec.txt"));
    }
    std::string recorded() const { return std::fflush(nullptr), readFile(recPath); }
    static void press(const std::string& keys) {
        for (char k : keys) onKey(static_cast<unsigned char>(k), 0, 0);
    }
    static std::string urgent() { return messageLine.urgentShowing ? messageLine.urgentText : ""; }
    static std::string temp(const std::string& name, const std::string& text) {
        const std::string path = tempPath(name);
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    // Steps the playback until it stops; returns the steps made.
    static int playToEnd() {
        int n = 0;
        while (gameState.gameRunning && gameState.replayMode && n < 100000) replayStep(), ++n;
        return n;
    }
};
