// The cue entry point; the audio backend installs itself as the player.
#include "app/sound_cue.h"

void (*cuePlayer)(int id) = nullptr;

void playCue(int id) {
    if (cuePlayer) cuePlayer(id);
}
