// Reading a recorded game. The whole file is read into memory when it is
// loaded, so the restart that follows may cut the recording even when both
// name the same file.
#include "app/replay_source.h"

#include <sys/stat.h>

#include <cstdio>

#include "app/regular_file.h"

ReplaySource replaySource;

namespace {

FileTrouble readWhole(std::FILE* in, std::string& text) {
    char chunk[65536];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, in);
        text.append(chunk, got);
        if (text.size() > MaxReplayBytes) return FileTrouble::TooLarge;
        if (got < sizeof chunk) {
            if (std::ferror(in)) return FileTrouble::Other;
            return text.empty() ? FileTrouble::Empty : FileTrouble::NoTrouble;
        }
    }
}

}  // namespace

void closeReplay() { replaySource = ReplaySource{}; }

bool loadReplay(const std::string& name, FileTrouble* why) {
    closeReplay();
    FileTrouble trouble = FileTrouble::NoTrouble;
    std::FILE* in = openRegularForReading(name, &trouble);
    struct stat info {};
    if (in) {
        trouble = readWhole(in, replaySource.text);
        if (trouble == FileTrouble::NoTrouble && fstat(fileno(in), &info) != 0)
            trouble = FileTrouble::Other;
        std::fclose(in);
    }
    if (why) *why = trouble;
    replaySource.device = info.st_dev, replaySource.inode = info.st_ino;
    if (trouble == FileTrouble::NoTrouble) return true;
    closeReplay();
    return false;
}

ReplayToken readReplayToken() {
    const std::string& text = replaySource.text;
    ReplayToken token;
    token.offset = replaySource.position;
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
