// Recording tokens go out through the seam; with no recording open they are
// dropped.
#include "model/recording.h"

#include <cstdio>

#include "model/seams.h"

namespace {
void write(const char* bytes, std::size_t count) {
    if (seams.tokenWriter) seams.tokenWriter(bytes, count);
}
}  // namespace

void recordWord(Word word) { write(spelling(word), TokenLength); }

void recordToken(const char token[TokenLength]) { write(token, TokenLength); }

int formatKindWord(char* out, Word word, int kind) {
    const int length = std::snprintf(out, 16, "%.3s%d", spelling(word), kind);
    return length > 0 ? length : 0;
}

void recordKindWord(Word word, int kind) {
    char token[16];
    write(token, static_cast<std::size_t>(formatKindWord(token, word, kind)));
}
