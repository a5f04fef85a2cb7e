// The game's fourteen sound cues, stored in the program as complete RIFF WAVE
// files (16-bit PCM). The table is generated at build time by tools/make_clips.
#pragma once

#include <cstddef>

struct SoundClip {
    int id;                      // the cue id (104, 107..119)
    const unsigned char* bytes;  // the whole WAVE file
    std::size_t size;            // its length in bytes
};

extern const SoundClip soundClips[];
extern const int soundClipCount;

// The clip of a cue id, or null when the game has no such sound.
inline const SoundClip* findSoundClip(int id) {
    for (int i = 0; i < soundClipCount; ++i)
        if (soundClips[i].id == id) return &soundClips[i];
    return nullptr;
}
