// The SDL2 audio player of the sound cues. The first cue (the start-up
// jingle) starts a player thread that opens the device and converts every
// clip to the device's format, once, while the game draws its first frames;
// a cue during play then costs nothing. Cues are not queued while the device
// opens: the latest one wanted starts as soon as it is open. The audio
// callback feeds the one current clip: a new cue simply replaces it. When SDL
// finds no device the player remembers that and skips every later cue.
#include "app/sound_sdl.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "app/sound_clips.h"
#include "app/sound_quiet.h"
#include "model/seams.h"
#include "model/sound_cue.h"

namespace {

// The state and the cue wanted while the device opens, shared with the
// player thread. The device, its format and the clips are written by that
// thread before it sets the state to open, and only read after that.
std::mutex stateLock;
SoundDeviceState deviceState = SoundClosed;
int pendingCue = 0;
std::thread opener;

SDL_AudioDeviceID device = 0;
SDL_AudioSpec deviceSpec{};
bool exitHookSet = false;
// The process is ending while the device opens: the player thread, should
// its open ever return, touches nothing more.
bool abandoned = false;

// The clips in the device's format, by index in soundClips; a clip SDL could
// not read stays empty and is skipped.
std::vector<std::vector<Uint8>> converted;

// The current cue, read by the audio thread under the device lock.
const Uint8* playData = nullptr;
std::size_t playSize = 0;
std::size_t playPos = 0;

void SDLCALL feedDevice(void*, Uint8* stream, int len) {
    std::size_t n = 0;
    if (playData) {
        n = std::min(static_cast<std::size_t>(len), playSize - playPos);
        std::memcpy(stream, playData + playPos, n);
        playPos += n;
        if (playPos >= playSize) playData = nullptr;
    }
    std::memset(stream + n, deviceSpec.silence, static_cast<std::size_t>(len) - n);
}

// Parses a stored WAVE file and converts it to the device's format.
std::vector<Uint8> convertClip(const SoundClip& clip) {
    std::vector<Uint8> out;
    SDL_AudioSpec spec{};
    Uint8* pcm = nullptr;
    Uint32 length = 0;
    SDL_RWops* source = SDL_RWFromConstMem(clip.bytes, static_cast<int>(clip.size));
    if (!source || !SDL_LoadWAV_RW(source, 1, &spec, &pcm, &length)) return out;

    SDL_AudioStream* stream =
        SDL_NewAudioStream(spec.format, spec.channels, spec.freq, deviceSpec.format,
                           deviceSpec.channels, deviceSpec.freq);
    // The resampler holds back the last milliseconds even when flushed: a
    // tail of silence pushes them out, and the result is cut to the clip's
    // own length (which matters for an 80 ms click).
    const int inFrame = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
    const int outFrame = SDL_AUDIO_BITSIZE(deviceSpec.format) / 8 * deviceSpec.channels;
    const std::vector<Uint8> tail(static_cast<std::size_t>(4096 * inFrame), spec.silence);
    if (stream && inFrame > 0 && SDL_AudioStreamPut(stream, pcm, static_cast<int>(length)) == 0 &&
        SDL_AudioStreamPut(stream, tail.data(), static_cast<int>(tail.size())) == 0 &&
        SDL_AudioStreamFlush(stream) == 0) {
        out.resize(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream)));
        const int got = SDL_AudioStreamGet(stream, out.data(), static_cast<int>(out.size()));
        const double frames = static_cast<double>(length / inFrame) * deviceSpec.freq / spec.freq;
        const std::size_t want = static_cast<std::size_t>(std::lround(frames)) * outFrame;
        out.resize(std::min(want, got > 0 ? static_cast<std::size_t>(got) : 0));
    }
    if (stream) SDL_FreeAudioStream(stream);
    SDL_FreeWAV(pcm);
    return out;
}

// At exit nothing may wait on the device, which can hang for ever (an audio
// server that never answers, SDL's disk driver writing into a full pipe):
// a device still opening is left to the end of the process, and an open
// one is only silenced, so that the audio thread reads no clip after the
// clips are gone. The process's end closes the device.
void atExit() {
    std::unique_lock<std::mutex> lock(stateLock);
    if (deviceState == SoundOpening) {
        abandoned = true;
        opener.detach();
        return;
    }
    lock.unlock();
    awaitSoundDevice();  // done opening: it only has its own cleanup left
    lock.lock();
    if (deviceState != SoundOpen) return;
    SDL_LockAudioDevice(device);
    playData = nullptr;
    SDL_UnlockAudioDevice(device);
}

// Opens the device; on the player thread.
bool openDevice() {
    // Audio only, and no signal handlers: Ctrl+C and kill still end the game.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    quietSoundLibrary();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        sayNoSound(SDL_GetError());
        return false;
    }

    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;  // about 23 ms: a click still feels immediate
    want.callback = feedDevice;
    device = SDL_OpenAudioDevice(nullptr, 0, &want, &deviceSpec,
                                 SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_FORMAT_CHANGE |
                                     SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device != 0) return true;
    sayNoSound(SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

// The converted clip of a cue id, or null when there is none; the device is
// open.
const std::vector<Uint8>* clipFor(int id) {
    const SoundClip* clip = findSoundClip(id);
    if (!clip) return nullptr;
    const std::vector<Uint8>& bytes = converted[static_cast<std::size_t>(clip - soundClips)];
    return bytes.empty() ? nullptr : &bytes;
}

// Replaces the current cue; the device is open and the state lock held.
void startClip(int id) {
    const std::vector<Uint8>* clip = clipFor(id);
    if (!clip) return;
    SDL_LockAudioDevice(device);
    playData = clip->data();
    playSize = clip->size();
    playPos = 0;
    SDL_UnlockAudioDevice(device);
}

// The player thread: opens the device, converts the clips, then starts the
// latest cue wanted.
void openAndPlayPending() {
    const bool opened = openSoundDevice();
    std::vector<std::vector<Uint8>> clips;
    for (int i = 0; opened && i < soundClipCount; ++i) clips.push_back(convertClip(soundClips[i]));
    const std::lock_guard<std::mutex> lock(stateLock);
    if (abandoned) return;
    converted = std::move(clips);
    deviceState = opened ? SoundOpen : SoundFailed;
    if (opened) {
        startClip(pendingCue);
        SDL_PauseAudioDevice(device, 0);
    }
    pendingCue = 0;
    SDL_TLSCleanup();  // SDL's own data for this thread, which SDL did not start
}

void playWithSdl(int id) {
    if (!findSoundClip(id)) return;
    const std::lock_guard<std::mutex> lock(stateLock);
    switch (deviceState) {
        case SoundClosed:
            // The player thread must end, and the audio thread stop, before
            // the clips go away at exit.
            if (!exitHookSet) exitHookSet = std::atexit(atExit) == 0;
            deviceState = SoundOpening;
            opener = std::thread(openAndPlayPending);
            [[fallthrough]];
        case SoundOpening:
            pendingCue = id;  // the latest cue wanted wins
            return;
        case SoundOpen:
            startClip(id);
            return;
        case SoundFailed:
            return;
    }
}

}  // namespace

bool (*openSoundDevice)() = openDevice;

void installSoundBackend() { seams.cuePlayer = playWithSdl; }

void awaitSoundDevice() {
    if (opener.joinable()) opener.join();
}

void shutdownSoundBackend() {
    awaitSoundDevice();
    const std::lock_guard<std::mutex> lock(stateLock);
    if (deviceState == SoundOpen) {
        SDL_CloseAudioDevice(device);  // joins the audio thread
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    device = 0;
    deviceSpec = SDL_AudioSpec{};
    playData = nullptr;
    playSize = playPos = 0;
    converted.clear();
    deviceState = SoundClosed;
}

SoundDeviceState soundDeviceState() {
    const std::lock_guard<std::mutex> lock(stateLock);
    return deviceState;
}

SoundDeviceFormat soundDeviceFormat() {
    const std::lock_guard<std::mutex> lock(stateLock);
    if (deviceState != SoundOpen) return SoundDeviceFormat{};
    return SoundDeviceFormat{deviceSpec.freq, deviceSpec.channels,
                             static_cast<int>(SDL_AUDIO_BITSIZE(deviceSpec.format)),
                             SDL_AUDIO_ISFLOAT(deviceSpec.format) != 0, deviceSpec.silence};
}

bool soundCuePlaying() {
    const std::lock_guard<std::mutex> lock(stateLock);
    if (deviceState != SoundOpen) return false;
    SDL_LockAudioDevice(device);
    const bool playing = playData != nullptr;
    SDL_UnlockAudioDevice(device);
    return playing;
}

const uint8_t* convertedCue(int id, std::size_t* size) {
    const std::lock_guard<std::mutex> lock(stateLock);
    const std::vector<Uint8>* clip = deviceState == SoundOpen ? clipFor(id) : nullptr;
    if (!clip) return nullptr;
    if (size) *size = clip->size();
    return clip->data();
}
