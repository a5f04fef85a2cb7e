// The control panel's "Best games" section: the kept games from the cache,
// each with a Watch button, refreshed by a child process so that the game
// never waits for a replay.
#pragma once

// Draws the section (inside the panel's ImGui window).
void drawBestGamesSection();
// Starts a child that tidies the games folder and refreshes the cache (at
// most one at a time; one more follows when asked meanwhile).
void refreshBestGames();
// Called every idle pass: the first one starts a refresh, and the section
// is reloaded from the cache when a child has ended. True when the section
// changed.
bool pollBestGames();
