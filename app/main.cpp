// 3D Zandok: the start-up sequence. Everything after it happens in the
// callbacks of GLUT's main loop, which the process leaves only by exit.
#include <GL/freeglut.h>

#include <cstdio>

#include "app/best_games.h"
#include "app/best_games_panel.h"
#include "app/control_panel.h"
#include "app/game_frames.h"
#include "app/idle.h"
#include "app/idle_glut.h"
#include "app/keep_game.h"
#include "app/lost_display.h"
#include "app/platform_glut.h"
#include "app/process_end.h"
#include "app/recording.h"
#include "app/scores_command.h"
#include "app/sound_sdl.h"
#include "app/startup.h"
#include "app/timedemo.h"
#include "app/window_class.h"
#include "model/sound_cue.h"
#include "render/gl_setup.h"

int main(int argc, char** argv) {
    const StartOptions options = readStartOptions(argc, argv);
    switch (options.mode) {
        case StartOptions::Help:
            std::fputs(usageText, stdout);
            return 0;
        case StartOptions::Version:
            std::puts("zandok " ZANDOK_VERSION);
            return 0;
        case StartOptions::BadUsage:
            std::fputs(usageText, stderr);
            return 2;
        case StartOptions::Scores:
            return printScores();
        case StartOptions::TidyGames:
            return tidyGames();
        default:
            break;
    }
    ignoreWriteSignals();
    catchEndSignals();
    // A data folder that cannot be used leaves the folder the game was
    // started from alone: its output.txt may hold a game worth keeping.
    if (options.dataFolder)
        if (const char* why = enterDataFolder()) refuseDefaultRecording(why);
    // The timedemo plays silently and records nothing.
    const bool timedemo = options.mode == StartOptions::Timedemo;
    if (timedemo && !loadTimedemo(options.timedemoFile)) return 1;
    if (!timedemo) {
        installSoundBackend();
        startKeepingGames(keptGamesFolder());
        gameKeeping.afterKeep = refreshBestGames;
    }
    installWindowSeam();

    postGreeting();
    int glutArgc = options.argc;
    applyCommandLine(glutArgc, options.argv);
    glutInit(&glutArgc, options.argv);
    watchForLostDisplay();
    // Closing a window ends the process through exit, as the quit paths do.
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_EXIT);

    // Each window, as soon as it is made: watched for its loss, named for
    // the desktop, and followed as it shows and hides.
    const auto settle = [](const char* instance) {
        watchCurrentWindow();
        nameWindowClass(instance);
        followVisibility();
    };
    createControlPanel();
    settle("zandok-panel");
    createGameWindow();
    settle("zandok");
    initGraphics();
    if (timedemo) {
        startTimedemo();
    } else {
        startRecording();
        playCueAfterFirstFrame(CueStart);
        runIdlePasses(onIdle);
    }
    glutMainLoop();
    return 0;
}
