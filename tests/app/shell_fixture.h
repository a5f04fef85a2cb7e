// A fresh program for every shell test: the window seam writes its calls to
// seamLog, and the game is recorded into a temporary file.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/commands.h"
#include "app/input_state.h"
#include "app/playback.h"
#include "app/recording.h"
#include "app/replay_report.h"
#include "app/replay_source.h"
#include "app/restart.h"
#include "app/window_seam.h"
#include "model/block.h"
#include "model/message_line.h"
#include "model/sound_cue.h"
#include "tests/support/test_support.h"

using namespace testing_support;

// A replay report (by default of the game as it stands) without its steps,
// running and replay lines: what a replay of a game must reproduce.
inline std::string reportedState(const std::string& report = replayReport(0)) {
    const std::size_t score = report.find("score:"), running = report.find("running:");
    return report.substr(score, running - score) + report.substr(report.find("block:"));
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
        resetShell(), installFakes(), seamLog.clear();
        windowSeam = {[] { seamLog += 'R'; },
                      [] { seamLog += 'P'; },
                      [] { seamLog += 'F'; },
                      [](int w, int h) { seamLog += 'W' + std::to_string(w * 1000 + h); },
                      [](int x, int y) { seamLog += '@' + std::to_string(x * 1000 + y); },
                      [] { seamLog += 'S'; },
                      [] { seamLog += 'C'; },
                      [](int status) { seamLog += 'X' + std::to_string(status); }};
        openRecordingFile(recPath = tempPath("rec.txt"));
    }
    std::string recorded() const { return readFile(recPath); }
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
