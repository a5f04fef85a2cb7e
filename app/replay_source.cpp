// Reading a recorded game. The whole file is read into memory when it is
// loaded, so the restart that follows may cut the recording even when both
// name the same file.
#include "app/replay_source.h"

#include <cstdio>

ReplaySource replaySource;

namespace {

bool readWhole(std::FILE* in, std::string& text) {
    char chunk[65536];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, in);
        text.append(chunk, got);
        if (text.size() > MaxReplayBytes) return false;
        if (got < sizeof chunk) return !std::ferror(in);
    }
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

ReplayToken readReplayToken() {
    const std::string& text = replaySource.text;
    ReplayToken token;
    while (token.length < TokenLength) {
        if (replaySource.position >= text.size()) {
            token.ended = true;
            return token;
        }
        const char c = text[replaySource.position++];
        if (c == '\n') break;
        token.text[token.length++] = c;
    }
    return token;
}
