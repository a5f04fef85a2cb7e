// The three text prompts: the name of a new recording, the name of a replay
// to play, and the quit question.
#pragma once

#include <string>

// Hands the key to the open prompt; false when no prompt is open.
bool promptKey(unsigned char key);
// Loads the recorded game in the file and plays it back, as the replay
// prompt's Enter does; "File cannot be read" when it cannot.
void playRecordedGame(const std::string& name);
