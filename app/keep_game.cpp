// Keeping the game being ended or left. The hooks: the restart (p, 0, 9,
// Watch), the idle pass once the game has ended, the exit and the lost
// display.
#include "app/keep_game.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/best_games.h"
#include "app/game_words.h"
#include "app/input_state.h"
#include "app/prompts.h"
#include "model/game_state.h"
#include "model/seams.h"
#include "model/sound_cue.h"

GameKeeping gameKeeping;

namespace {

void sayNotKept(const std::string& folder) {
    if (gameKeeping.saidNotKept) return;
    gameKeeping.saidNotKept = true;
    if (folder.empty())
        std::fputs("zandok: there is no data folder: games are not being kept\n", stderr);
    else
        std::fprintf(stderr, "zandok: %s cannot be written: games are not being kept\n",
                     folder.c_str());
}

bool makeFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error) && access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

void startKeepingGames(const std::string& folder) {
    gameKeeping.folder.clear();
    if (folder.empty() || !makeFolder(folder)) return sayNotKept(folder);
    gameKeeping.folder = folder;
    static const bool keptAtExit = std::atexit(keepGameBeingLeft) == 0;
    (void)keptAtExit;
}

void keepGameBeingLeft() {
    if (gameKeeping.folder.empty() || !gameWorthKeeping()) return;
    gameWords.kept = true;
    const std::string name = writeKeptGame(gameKeeping.folder, gameWords.words, nowSeconds());
    if (name.empty()) return sayNotKept(gameKeeping.folder);
    gameKeeping.lastKept = name;
    if (gameKeeping.afterKeep) gameKeeping.afterKeep();
}

void watchKeptGame(const std::string& name) {
    inputState.enteringSaveName = inputState.enteringLoadName = gameState.paused = 0;
    inputState.clearTyped();
    playCue(CueLoadReplay);
    playRecordedGame(gameKeeping.folder + "/" + name);
}
