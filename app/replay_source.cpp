// Playback: the whole file is read into memory when it is loaded, so the
// restart that follows may cut the recording even when both name the same
// file. Every performed token is written to the recording exactly as read.
#include "app/replay_source.h"

#include <cstdio>
#include <cstring>

#include "app/commands.h"
#include "app/replay_log.h"
#include "app/restart.h"
#include "model/block.h"
#include "model/game_step.h"
#include "render/message_line.h"

ReplaySource replaySource;

namespace {

constexpr int tokenLength = 4;

bool readWhole(std::FILE* in, std::string& text) {
    char chunk[65536];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, in);
        text.append(chunk, got);
        if (text.size() > MaxReplayBytes) return false;
        if (got < sizeof chunk) return !std::ferror(in);
    }
}

// Key words are performed through the key commands, which record them.
struct KeyWord {
    const char* word;
    unsigned char key;
};
const KeyWord keyWords[] = {{"incX", 'd'}, {"decX", 'a'}, {"incZ", 'x'},
                            {"decZ", 'w'}, {"incM", 's'}, {"HINT", 'H'}};

void endReplay() {
    static const char* const finished = "Replay is finished.  Press 'p' for a new game";
    replaySource.position = 0;
    GameState::replayMode = 0;
    postMessage(finished, 10);
    showUrgentMessage(finished, 10);
    GameState::gameRunning = 0;
}

// The kind digit of a header or landing token, or -1 when it is damaged
// (missing, or not a kind): such a kind must never reach the model.
int tokenKind(const char* token, int length) {
    if (length < tokenLength) return -1;
    const int kind = token[3] - '0';
    return validKind(kind) ? kind : -1;
}

}  // namespace

void closeReplay() {
    replaySource.text.clear();
    replaySource.text.shrink_to_fit();
    replaySource.position = 0;
}

bool loadReplay(const std::string& name) {
    closeReplay();
    if (name.empty() || name.find('\0') != std::string::npos) return false;
    std::FILE* in = std::fopen(name.c_str(), "rb");
    if (!in) return false;
    const bool read = readWhole(in, replaySource.text);
    std::fclose(in);
    if (read && !replaySource.text.empty()) return true;
    closeReplay();
    return false;
}

void beginReplay() {
    restartGame();
    GameState::replayMode = 1;
    GameState::soundOn = 0;
    replaySource.position = 0;
}

void replayStep() {
    const std::string& text = replaySource.text;
    char token[tokenLength + 1] = {};
    int length = 0;
    while (length < tokenLength) {
        if (replaySource.position >= text.size()) {
            endReplay();  // a token cut short by the end is dropped
            return;
        }
        const char c = text[replaySource.position++];
        if (c == '\n') break;
        token[length++] = c;
    }

    if (length == tokenLength) {
        for (const KeyWord& k : keyWords) {
            if (std::memcmp(token, k.word, tokenLength) != 0) continue;
            runCommand(k.key);
            return;
        }
        if (std::memcmp(token, "drop", tokenLength) == 0) {
            gameStep();
            recordToken(token);
            return;
        }
        if (std::memcmp(token, "ngap", tokenLength) == 0) {
            settledWell.fillGaps();
            GameState::useCheat();
            recordToken(token);
            return;
        }
    }
    if (length == 0) return;  // a line break on its own

    // Landing and header tokens are known by their first character alone.
    if (token[0] != 'C' && token[0] != 'I') return;
    const int kind = tokenKind(token, length);
    if (kind < 0) {
        endReplay();
        return;
    }
    if (token[0] == 'C') {
        gameStep();
        fallingBlock.start(static_cast<int16_t>(kind));
        recordToken(token);
    } else {
        fallingBlock.start(static_cast<int16_t>(kind));
        restartRecording(token);
    }
}
