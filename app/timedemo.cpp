// The timedemo: the playback clocked from its first idle pass to its end.
#include "app/timedemo.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/control_panel.h"
#include "app/game_frames.h"
#include "app/idle.h"
#include "app/idle_glut.h"
#include "app/playback.h"
#include "app/replay_report.h"
#include "app/replay_source.h"
#include "app/window_seam.h"
#include "model/game_state.h"

namespace {

using Clock = std::chrono::steady_clock;
Clock::time_point startTime;
long startFrames = -1;  // the frame count at the first idle pass

// Ends as zandok-replay does: 4 when the figures cannot be written, 3 when
// the playback stopped at a damaged token, 0 when it played the whole file.
void report() {
    const long frames = gameFramesDrawn - startFrames;
    const double seconds = std::chrono::duration<double>(Clock::now() - startTime).count();
    std::printf("frames %ld seconds %.2f fps %.1f\n", frames, seconds,
                seconds > 0 ? static_cast<double>(frames) / seconds : 0.0);
    const bool reported = std::fflush(stdout) == 0 && !std::ferror(stdout);
    std::fprintf(stderr, "panel frames %ld\n", controlPanelFrames());
    int status = 0;
    if (replaySource.damagedAt != std::string::npos) {
        std::fprintf(stderr, "zandok: %s\n", damagedTokenNote().c_str());
        status = 3;
    }
    if (!reported) {
        std::fputs("zandok: the figures cannot be written\n", stderr);
        status = 4;
    }
    windowSeam.exitProcess(status);
}

// The normal idle pass, until the pass after the playback ended: its last
// frame has been drawn by then.
void timedemoIdle() {
    if (startFrames < 0) {
        startTime = Clock::now();
        startFrames = gameFramesDrawn;
    } else if (!gameState.replayMode || !gameState.gameRunning) {
        report();
        return;
    }
    onIdle();
}

}  // namespace

bool loadTimedemo(const std::string& file) {
    FileTrouble why = FileTrouble::NoTrouble;
    if (loadReplay(file, &why)) return true;
    std::fprintf(stderr, "zandok: %s cannot be read: %s\n", file.c_str(), troubleText(why).c_str());
    return false;
}

void startTimedemo() {
    const char* hide = std::getenv("ZANDOK_HIDE_PANEL");
    if (hide && *hide) hideControlPanel();
    beginReplay();
    runIdlePasses(timedemoIdle);
}
