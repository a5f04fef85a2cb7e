// The recording of the game being played: the file the game's tokens are
// appended to, each flushed at once, so the file on disk always holds the
// game so far.
#pragma once

#include <cstdio>
#include <string>

#include "model/recording.h"

struct ReplayLog {
    std::FILE* file = nullptr;
};

extern ReplayLog replayLog;

// The start-up recording: "output.txt" with the game's header. When it
// cannot be written, the message line says that recording is off.
void startRecording();
// Opens name for writing (created or emptied); falls back to "output.txt"
// when that fails. When both fail, recording is off and the message line
// says so.
void openRecording(const std::string& name);
// Opens exactly this file, with no fallback (tools and tests). An open
// recording takes every token the game records.
bool openRecordingFile(const std::string& path);
void closeRecording();
// Starts the recording afresh with a token: the file is cut first.
void restartRecording(const char token[TokenLength]);
// Starts the recording afresh: the file is cut and "INI" with the falling
// block's kind is written.
void writeReplayHeader();
