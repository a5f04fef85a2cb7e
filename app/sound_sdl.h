// The SDL2 audio player behind playCue: plays the game's stored clips
// asynchronously, one at a time, on a device that a player thread opens at
// the first cue.
#pragma once

#include <cstddef>
#include <cstdint>

// Makes the SDL player the game's cue player.
void installSoundBackend();

// Waits for the player thread to finish opening the device, if it is.
void awaitSoundDevice();
// Waits for the player thread, stops the cue, closes the device and quits
// SDL's audio; the next cue opens it afresh. (At exit the player waits for
// nothing: it silences an open device and leaves a device still opening.)
void shutdownSoundBackend();

// Opens the device on the player thread; false when there is none. Tests
// put in one that never returns, as a stuck sound server's may not.
extern bool (*openSoundDevice)();

// ---- What the player knows, for tests and diagnostics ----

// Opening: the player thread is opening the device; cues wait for it.
enum SoundDeviceState { SoundClosed, SoundOpening, SoundOpen, SoundFailed };
SoundDeviceState soundDeviceState();

// The format the device was opened with (all zero unless open).
struct SoundDeviceFormat {
    int rate;
    int channels;
    int sampleBits;
    bool floatSamples;
    uint8_t silence;  // the byte value of a silent sample
};
SoundDeviceFormat soundDeviceFormat();

// True while a cue is still being fed to the device.
bool soundCuePlaying();

// A cue's clip converted to the device's format (null while no device is
// open, or for an id without a clip).
const uint8_t* convertedCue(int id, std::size_t* size);
