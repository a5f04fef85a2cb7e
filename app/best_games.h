// The best games: every "*.txt" in the data folder's games/ is a kept game,
// ranked by what its recording replays to. Rows are cached by content, so
// only new or changed files are replayed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/kept_row.h"

// After a game is kept, the 10 highest scores and the 20 most recent games
// stay; the rest are removed.
constexpr std::size_t BestScoresKept = 10;
constexpr std::size_t RecentGamesKept = 20;

struct BestGame {
    std::string name;     // in the games folder
    int64_t endTime = 0;  // from the name's time stamp, else the file's time
    KeptRow row;
};

// $XDG_DATA_HOME/zandok/games (or ~/.local/share/zandok/games); empty when
// there is no data folder.
std::string keptGamesFolder();
// The name a game ending at this second gets (UTC): 2026-12-07T14-03-22Z-<pid>
// and, when that is taken, a suffix -2, -3, ... before ".txt".
std::string keptGameName(int64_t endTime, long pid, int suffix);

// Every kept game in the folder, best first (ties: the earlier game). New or
// changed files are replayed (this takes the whole model, see replayToRow),
// files that cannot be read are left out with a line on standard error.
// The cache is rewritten when it changed and the folder can be locked.
std::vector<BestGame> readBestGames(const std::string& folder);
// The table as the cache last recorded it, best first, without reading or
// replaying a single game: what the game's own panel shows.
std::vector<BestGame> cachedBestGames(const std::string& folder);
// The names that fall out of both the 10 best and the 20 most recent of a
// table ranked best first.
std::vector<std::string> gamesOutOfBounds(const std::vector<BestGame>& ranked);
// Replays what is new first, then under the folder's lock removes the games
// out of bounds and rewrites the cache; false when the folder cannot be
// locked.
bool pruneBestGames(const std::string& folder);

// Writes words as a new kept game ending at endTime: a temporary name that
// does not end in ".txt", then renamed to its own name, never replacing one.
// The name, or empty when it could not be written.
std::string writeKeptGame(const std::string& folder, const std::string& words, int64_t endTime);

// Holds the folder's lock (games/.lock) while it lives; waits at most about
// a second for another process to let go.
class GamesLock {
public:
    explicit GamesLock(const std::string& folder);
    ~GamesLock();
    GamesLock(const GamesLock&) = delete;
    GamesLock& operator=(const GamesLock&) = delete;
    bool held() const { return fd >= 0; }

private:
    int fd = -1;
};
