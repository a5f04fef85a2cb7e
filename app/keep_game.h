// Keeping the player's games: every game that ends or is left with a score
// above 0 is written into the games folder, whatever became of its
// recording file.
#pragma once

#include <string>

struct GameKeeping {
    std::string folder;    // empty: games are not being kept
    std::string lastKept;  // the name of the game kept last
    // Run after a game is kept: the game tidies the folder and refreshes
    // its panel (none: nothing).
    void (*afterKeep)() = nullptr;
    bool saidNotKept = false;
};

extern GameKeeping gameKeeping;

// Keeps games in folder (made when missing) and keeps the game being played
// when the process exits. When it cannot be used, says once on standard
// error that games are not being kept.
void startKeepingGames(const std::string& folder);
// The game is ending or being left: keeps it when it is worth keeping.
void keepGameBeingLeft();
// Plays a kept game back as key 9 and its prompt would (the panel's Watch).
void watchKeptGame(const std::string& name);
