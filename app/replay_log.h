// The recording of the game being played: 4-character tokens appended to a
// file and flushed at once, so the file on disk always holds the game so far.
#pragma once

#include <cstdio>
#include <string>

struct ReplayLog {
    std::FILE* file = nullptr;
};

extern ReplayLog replayLog;

// Opens name for writing (created or emptied); falls back to "output.txt"
// when that fails. Recording is silently off when both fail.
void openRecording(const std::string& name);
// Opens exactly this file, with no fallback (tools and tests).
bool openRecordingFile(const std::string& path);
void closeRecording();
// Appends the 4 characters of word and flushes.
void recordAction(const char* word);
// Appends a 3-character prefix and a kind digit ("CT 5", "INI2") and flushes.
void recordKindToken(const char* prefix, int kind);
// Appends exactly the 4 characters of a token as playback read it.
void recordToken(const char token[4]);
// Starts the recording afresh with a token: the file is cut first.
void restartRecording(const char token[4]);
// Starts the recording afresh: the file is cut and "INI" with the falling
// block's kind is written.
void writeReplayHeader();
