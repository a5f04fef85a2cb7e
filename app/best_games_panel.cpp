// The "Best games" section. The table comes from the cache alone; a child
// (this program with --tidy-games) replays whatever is new, so neither the
// first frame nor a kept game ever waits for a replay.
#include "app/best_games_panel.h"

#include <fcntl.h>
#include <imgui.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "app/best_games.h"
#include "app/keep_game.h"

extern char** environ;

namespace {

constexpr float tableHeight = 180;

std::vector<BestGame> shown;
pid_t child = -1;
bool started = false, again = false;

void spawnTidying() {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    // Nothing of the game's own (its display, its recording) stays open in it.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    char name[] = "zandok", option[] = "--tidy-games";
    char* argv[] = {name, option, nullptr};
    if (posix_spawn(&child, "/proc/self/exe", &actions, nullptr, argv, environ) != 0) child = -1;
    posix_spawn_file_actions_destroy(&actions);
}

}  // namespace

void refreshBestGames() {
    if (gameKeeping.folder.empty()) return;
    if (child > 0)
        again = true;
    else
        spawnTidying();
}

bool pollBestGames() {
    if (gameKeeping.folder.empty()) return false;
    if (!started) {
        started = true;
        shown = cachedBestGames(gameKeeping.folder);
        refreshBestGames();
        return true;
    }
    if (child <= 0 || waitpid(child, nullptr, WNOHANG) != child) return false;
    child = -1;
    shown = cachedBestGames(gameKeeping.folder);
    if (again) again = false, spawnTidying();
    return true;
}

void drawBestGamesSection() {
    ImGui::Separator();
    ImGui::TextUnformatted("Best games");
    if (gameKeeping.folder.empty()) {
        ImGui::TextDisabled("Games are not being kept.");
        return;
    }
    if (shown.empty()) ImGui::TextDisabled("None yet: finish a game that scores.");
    ImGui::BeginChild("best games", ImVec2(0, tableHeight));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const BestGame& g = shown[i];
        const std::time_t end = static_cast<std::time_t>(g.endTime);
        std::tm local{};
        localtime_r(&end, &local);
        char date[24], line[96];
        std::strftime(date, sizeof date, "%Y-%m-%d %H:%M", &local);
        std::snprintf(line, sizeof line, "%2zu %6d  L%d  %s%s", i + 1, g.row.score, g.row.level,
                      date, g.row.damaged ? " !" : "");
        ImGui::PushID(static_cast<int>(i));
        if (ImGui::SmallButton("Watch")) watchKeptGame(g.name);
        ImGui::SameLine();
        if (g.name == gameKeeping.lastKept)
            ImGui::TextColored(ImVec4(1, 1, 0.3f, 1), "%s  new", line);
        else
            ImGui::TextUnformatted(line);
        ImGui::PopID();
    }
    ImGui::EndChild();
}
