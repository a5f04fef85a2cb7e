// ALSA's error handler, set through the library SDL itself loads at run time
// (the game does not link ALSA: a machine without it has no such chatter).
#include "app/sound_quiet.h"

#include <dlfcn.h>

#include <cstdio>

namespace {
using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);

void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}
}  // namespace

void quietSoundLibrary() {
    // Kept loaded, so that SDL's own load finds this same copy and handler.
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
    if (!alsa) return;
    using SetHandler = int (*)(AlsaErrorHandler);
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
        set(ignoreAlsaMessage);
}

void sayNoSound(const char* reason) {
    std::fprintf(stderr, "zandok: no sound device (%s); playing without sound\n",
                 reason && *reason ? reason : "none found");
}
