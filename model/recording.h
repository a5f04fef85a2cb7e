// The game's recording as the game logic writes it: 4-character words,
// handed to the recording the program has open (seams.tokenWriter).
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

constexpr int TokenLength = 4;

// Every word a recording holds. The landing and header words are three
// characters and the new block's kind digit.
enum class Word : uint8_t { IncX, DecX, IncZ, DecZ, Turn, Hint, Cheat, Drop, Landing, Header };

// How each word is spelled in the file, in the order of Word: the one home
// of the recording format's words.
constexpr const char* wordSpellings[] = {"incX", "decX", "incZ", "decZ", "incM",
                                         "HINT", "ngap", "drop", "CT ",  "INI"};
static_assert(std::size(wordSpellings) == static_cast<std::size_t>(Word::Header) + 1);

constexpr const char* spelling(Word word) { return wordSpellings[static_cast<int>(word)]; }
// Playback knows a landing or header word by its first character alone.
constexpr bool startsKindWord(const char* token, Word word) {
    return token[0] == spelling(word)[0];
}

// Records a whole word (a move, a turn, "H", a cheat, a gravity step).
void recordWord(Word word);
// Records a landing or header word with its kind digit: "CT 5", "INI2".
void recordKindWord(Word word, int kind);
// Exactly the 4 bytes of a token as playback read it, whatever they are.
void recordToken(const char token[TokenLength]);
// Writes a landing or header word with its kind into out (16 bytes);
// returns the length.
int formatKindWord(char* out, Word word, int kind);
