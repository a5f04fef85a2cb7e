// The recording of the game being played: the file the game's tokens are
// appended to, each flushed at once, so the file on disk always holds the
// game so far. A file that cannot be written stops the recording at once,
// with the last whole token, and the message line says so.
#pragma once

#include <sys/types.h>

#include <cstdio>
#include <string>

#include "app/regular_file.h"
#include "model/recording.h"

struct ReplayLog {
    std::FILE* file = nullptr;
    std::string path;
    long length = 0;      // bytes on disk, whole tokens only
    bool failed = false;  // a write failed since the last open
    // While the file being recorded is played back, the recording goes to a
    // new file beside it, which replaces the old one only when the playback
    // ends or the player records something of his own.
    std::string shadowPath;
    // Meanwhile the old file stays open, unwritten: its lock keeps other
    // games out of it.
    std::FILE* original = nullptr;
    bool fromPlayback = false;  // the tokens written now are the playback's
};

extern ReplayLog replayLog;

// Writes a token's bytes and flushes them; false when not all of them
// reached the file. Tests put in one that fails at a chosen byte.
bool writeAndFlush(std::FILE* file, const char* bytes, std::size_t count);
extern bool (*writeRecordingBytes)(std::FILE* file, const char* bytes, std::size_t count);

// The start-up recording: "output.txt" with the game's header. When it
// cannot be written, or another game records into it, the message line
// says that recording is off.
void startRecording();
// From now on "output.txt" is never opened, because of why (a text for the
// message line, which shows it whenever the recording would fall back to
// it); null allows it again.
void refuseDefaultRecording(const char* why);
// Opens name for writing (a regular file, locked, then created or emptied);
// falls back to "output.txt" when that fails for any reason but another
// game's lock. When no recording is open in the end, the message line says
// why.
void openRecording(const std::string& name);
// Opens exactly this file, with no fallback (tools and tests); false, and
// why, when it cannot. An open recording takes every token the game records.
bool openRecordingFile(const std::string& path, FileTrouble* why = nullptr);
// Closes the recording (a playback's copy not yet kept is dropped); false
// when something could not be written.
bool closeRecording();
// Starts the recording afresh with a token: the file is cut first.
void restartRecording(const char token[TokenLength]);
// Starts the recording afresh: the file is cut and "INI" with the falling
// block's kind is written.
void writeReplayHeader();

// A playback of this file begins: when it is the file being recorded, the
// copy goes beside it until keepPlaybackRecording.
void recordBesideWhilePlaying(dev_t device, ino_t inode);
// The playback is over: its copy becomes the recording.
void keepPlaybackRecording();
