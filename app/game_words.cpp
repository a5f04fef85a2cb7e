// The game's words as recorded, and whose game it is.
#include "app/game_words.h"

#include "model/game_state.h"

GameWords gameWords;

void noteGameStart(const char* header, std::size_t count) {
    gameWords = GameWords{};
    gameWords.words.assign(header, count);
    // The header a playback starts with belongs to the recorded game.
    gameWords.watched = gameState.replayMode != 0;
}

void noteGameWord(const char* bytes, std::size_t count, bool fromPlayback) {
    gameWords.words.append(bytes, count);
    if (fromPlayback)
        gameWords.watched = true;
    else if (gameState.replayMode)
        gameWords.tookOver = true;
}

bool gameWorthKeeping() {
    return !gameWords.kept && !gameWords.words.empty() &&
           (!gameWords.watched || gameWords.tookOver) && gameState.score > 0;
}
