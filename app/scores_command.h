// The command-line side of the best games, run before any window: zandok
// --scores prints the table, zandok --tidy-games bounds the folder.
#pragma once

#include <string>
#include <vector>

#include "app/best_games.h"

// The table as --scores prints it: rank, score, level, blocks, end date and
// file name; an empty table says where games will be kept.
std::string scoresTable(const std::vector<BestGame>& games, const std::string& folder);
// Prints the table of the kept games; the exit status.
int printScores();
// Removes the games out of bounds and refreshes the cache; the exit status.
int tidyGames();
