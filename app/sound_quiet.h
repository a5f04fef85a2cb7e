// Keeps the sound library's own chatter off standard error: on a machine
// without a sound card, ALSA prints a line for each step that failed while
// SDL looks for a device. The game says once that it plays without sound.
#pragma once

// Before SDL opens the device: ALSA's messages are held back.
void quietSoundLibrary();
// After a failed open: one line on standard error with SDL's reason.
void sayNoSound(const char* reason);
