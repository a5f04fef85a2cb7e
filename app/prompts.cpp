// The prompts take every key while open: Enter answers, Esc leaves, anything
// else is typed (no editing) and the typed text is shown on the message line.
#include "app/prompts.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "app/input_state.h"
#include "app/playback.h"
#include "app/recording.h"
#include "app/replay_source.h"
#include "app/restart.h"
#include "app/window_seam.h"
#include "model/game_state.h"
#include "model/message_line.h"

namespace {

constexpr unsigned char enterKey = 13;
constexpr unsigned char escKey = 27;

std::string takeTyped() {
    std::string name(inputState.typedText, static_cast<std::size_t>(inputState.typedLength));
    inputState.clearTyped();
    return name;
}

void type(unsigned char key) {
    if (inputState.typedLength >= MaxTypedLength) {
        inputState.clearTyped();  // the key that would make 98 empties the text
    } else {
        inputState.typedText[inputState.typedLength++] = static_cast<char>(key);
        inputState.typedText[inputState.typedLength] = '\0';
    }
    showUrgentMessage(inputState.typedText, 2);
}

void saveEnter() {
    const std::string name = takeTyped();
    inputState.enteringSaveName = 0;
    openRecording(name);
    restartGame();
}

void loadEnter() {
    const std::string name = takeTyped();
    inputState.enteringLoadName = 0;
    playRecordedGame(name);
}

void nameEscape(int32_t* open) {
    inputState.clearTyped();
    *open = 0;
}
void saveEscape() { nameEscape(&inputState.enteringSaveName); }
void loadEscape() { nameEscape(&inputState.enteringLoadName); }

void quitEnter() {
    if (inputState.typedLength == 3 && std::memcmp(inputState.typedText, "yes", 3) == 0) {
        windowSeam.exitProcess(0);
        return;
    }
    gameState.paused = 0;
    inputState.clearTyped();
}
void quitEscape() { windowSeam.exitProcess(0); }

struct Prompt {
    int32_t* open;
    const char* banner;
    void (*enter)();
    void (*escape)();
};

// In the order they are asked: at most one is open at a time.
const Prompt prompts[] = {
    {&inputState.enteringSaveName, "Type the name of the file you want to write to.", saveEnter,
     saveEscape},
    {&inputState.enteringLoadName, "Type the name of the file you want to read from.", loadEnter,
     loadEscape},
    {&gameState.paused, "Enter 'yes' to quit.  Press enter to continue otherwise.", quitEnter,
     quitEscape},
};

}  // namespace

void playRecordedGame(const std::string& name) {
    if (!loadReplay(name)) {
        showUrgentMessage("File cannot be read", 5);
        return;
    }
    beginReplay();
}

bool promptKey(unsigned char key) {
    for (const Prompt& p : prompts) {
        if (!*p.open) continue;
        showUrgentMessage(p.banner, 2);
        if (key == enterKey)
            p.enter();
        else if (key == escKey)
            p.escape();
        else
            type(key);
        return true;
    }
    return false;
}
