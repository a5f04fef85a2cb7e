// Performing recorded tokens. Moves, turns and hints go through the same
// operations as their keys, which record them; the game step's own tokens
// are written exactly as read, since playback never lets the game step
// record or start a block.
#include "app/playback.h"

#include <cstring>

#include "app/recording.h"
#include "app/replay_source.h"
#include "app/restart.h"
#include "app/window_seam.h"
#include "model/block.h"
#include "model/game_step.h"
#include "model/message_line.h"
#include "model/motion.h"
#include "suggest/placement_search.h"

namespace {

struct TokenAction {
    Word word;
    void (*perform)(const char* token);
};

void drop(const char* token) {
    gameStep();
    recordToken(token);
}

void fillGapsAsRecorded(const char* token) {
    settledWell.fillGaps();
    gameState.useCheat();
    recordToken(token);
}

// Decided here: a token is performed by the command of its key, never
// through onKey. A prompt the player has open (a name half typed, the quit
// question) takes no replayed move as a typed letter or as its answer, and
// the moves still record, sound and redraw as their keys do.
const TokenAction tokenActions[] = {
    {Word::IncX, [](const char*) { moveBlock(Move::PlusX); }},
    {Word::DecX, [](const char*) { moveBlock(Move::MinusX); }},
    {Word::IncZ, [](const char*) { moveBlock(Move::PlusZ); }},
    {Word::DecZ, [](const char*) { moveBlock(Move::MinusZ); }},
    {Word::Drop, drop},
    {Word::Turn, [](const char*) { turnBlock(); }},
    {Word::Hint, [](const char*) { placeByHint(); }},
    {Word::Cheat, fillGapsAsRecorded},
};

void endReplay() {
    static const char* const finished = "Replay is finished.  Press 'p' for a new game";
    keepPlaybackRecording();
    replaySource.position = 0;
    gameState.replayMode = 0;
    postMessage(finished, 10);
    showUrgentMessage(finished, 10);
    gameState.gameRunning = 0;
}

// The kind digit of a header or landing token, or -1 when it is damaged
// (missing, or not a kind): such a kind must never reach the model.
int tokenKind(const ReplayToken& token) {
    if (token.length < TokenLength) return -1;
    const int kind = token.text[3] - '0';
    return validKind(kind) ? kind : -1;
}

}  // namespace

void beginReplay() {
    recordBesideWhilePlaying(replaySource.device, replaySource.inode);
    restartGame();
    gameState.replayMode = 1;
    gameState.soundOn = 0;
    replaySource.position = 0;
}

namespace {

void perform(const ReplayToken& token) {
    if (token.length == TokenLength)
        for (const TokenAction& action : tokenActions)
            if (std::memcmp(token.text, spelling(action.word), TokenLength) == 0) {
                // As the key command would: from a clean status, then a new frame.
                resetStatus();
                action.perform(token.text);
                windowSeam.redisplay();
                return;
            }
    if (token.length == 0) return;  // a line break on its own

    const bool landing = startsKindWord(token.text, Word::Landing);
    if (!landing && !startsKindWord(token.text, Word::Header)) return;
    const int kind = tokenKind(token);
    if (kind < 0) {
        replaySource.damagedAt = token.offset;
        endReplay();
        return;
    }
    if (landing) gameStep();
    fallingBlock.start(static_cast<int16_t>(kind));
    // Only the file's own header replaces the one the loading restart wrote;
    // any later one is a token like the others.
    if (!landing && token.offset == 0)
        restartRecording(token.text);
    else
        recordToken(token.text);
}

}  // namespace

void replayStep() {
    const ReplayToken token = readReplayToken();
    if (token.ended) {
        endReplay();  // a token cut short by the end is dropped
        return;
    }
    replayLog.fromPlayback = true;
    perform(token);
    replayLog.fromPlayback = false;
    // A win ends the playback too, before the end of the file.
    if (!gameState.gameRunning && gameState.replayMode) keepPlaybackRecording();
}
