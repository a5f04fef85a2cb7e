// The three text prompts: the name of a new recording, the name of a replay
// to play, and the quit question.
#pragma once

// Hands the key to the open prompt; false when no prompt is open.
bool promptKey(unsigned char key);
