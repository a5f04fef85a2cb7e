// Recording tokens go out through the seam; with no recording open they are
// dropped.
#include "model/recording.h"

#include <cstdio>
#include <cstring>

#include "model/seams.h"

namespace {
void write(const char* bytes, std::size_t count) {
    if (seams.tokenWriter) seams.tokenWriter(bytes, count);
}
}  // namespace

void recordAction(const char* word) { write(word, strnlen(word, TokenLength)); }

void recordToken(const char token[TokenLength]) { write(token, TokenLength); }

int formatKindToken(char* out, const char* prefix, int kind) {
    const int length = std::snprintf(out, 16, "%.3s%d", prefix, kind);
    return length > 0 ? length : 0;
}

void recordKindToken(const char* prefix, int kind) {
    char token[16];
    write(token, static_cast<std::size_t>(formatKindToken(token, prefix, kind)));
}
