// zandok --scores and --tidy-games: each a process of its own, so replaying
// the kept games may take the whole model.
#include "app/scores_command.h"

#include <cstdio>
#include <ctime>

std::string scoresTable(const std::vector<BestGame>& games, const std::string& folder) {
    if (folder.empty()) return "There is no data folder: games are not being kept.\n";
    if (games.empty()) return "No games kept yet. Games are kept in " + folder + "\n";
    std::string out = "rank  score  level  blocks  end date              file\n";
    for (std::size_t i = 0; i < games.size(); ++i) {
        const BestGame& g = games[i];
        const std::time_t end = static_cast<std::time_t>(g.endTime);
        std::tm utc{};
        gmtime_r(&end, &utc);
        char date[32], line[128];
        std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%SZ", &utc);
        std::snprintf(line, sizeof line, "%4zu  %5d  %5d  %6d  %-20s  ", i + 1, g.row.score,
                      g.row.level, g.row.blocks, date);
        out += line + g.name + (g.row.damaged ? "  (damaged)\n" : "\n");
    }
    return out;
}

int printScores() {
    const std::string folder = keptGamesFolder();
    const std::string table =
        scoresTable(folder.empty() ? std::vector<BestGame>{} : readBestGames(folder), folder);
    return std::fwrite(table.data(), 1, table.size(), stdout) == table.size() &&
                   std::fflush(stdout) == 0
               ? 0
               : 4;
}

int tidyGames() {
    const std::string folder = keptGamesFolder();
    return !folder.empty() && pruneBestGames(folder) ? 0 : 1;
}
