// zandok --scores: no window, no display, on an empty and a hostile games
// folder.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "tests/support/test_support.h"

using namespace testing_support;
namespace fs = std::filesystem;

TEST(ScoresCommand, PrintsTheTableOfAnEmptyAndAHostileFolder) {
    const std::string data = tempPath("data"), games = data + "/zandok/games";
    const auto put = [&](const std::string& name, const std::string& text) {
        std::ofstream(games + "/" + name, std::ios::binary) << text;
    };
    const std::string none = "No games kept yet. Games are kept in " + games + "\n";
    // How the folder is made; the table printed.
    const std::pair<const char*, std::function<std::string()>> rows[] = {
        {"no folder", [&] { return none; }},
        {"games is a file",
         [&] {
             return fs::create_directories(data + "/zandok"), std::ofstream(games) << "x", none;
         }},
        {"hostile",
         [&] {
             const std::string game = readFile(ZANDOK_SOURCE_DIR "/bench/long_game.txt");
             fs::create_directories(games), put("2026-01-01T00-00-04Z-7.txt", game);
             put("2026-01-01T00-00-05Z-7.txt", game.substr(0, 608 * 4));
             put("2026-01-01T00-00-06Z-7.txt", "\x01\xff" + std::string(4093, '\x9c'));
             fs::create_directory_symlink("/nowhere", games + "/gone.txt");
             fs::create_symlink("/dev/zero", games + "/zero.txt");
             fs::create_directory(games + "/y.txt"), mkfifo((games + "/x.txt").c_str(), 0600);
             put("2026-01-01T00-00-07Z-7.txt", std::string(16 << 20, 'I'));
             return "rank  score  level  blocks  end date              file\n"
                    "   1    570      4     240  2026-01-01 00:00:04Z  2026-01-01T00-00-04Z-7.txt\n"
                    "   2     40      0      37  2026-01-01 00:00:05Z  2026-01-01T00-00-05Z-7.txt\n"
                    "   3      0      0       1  2026-01-01 00:00:06Z  2026-01-01T00-00-06Z-7.txt\n"
                    "   4      0      0       1  2026-01-01 00:00:07Z  "
                    "2026-01-01T00-00-07Z-7.txt  (damaged)\n";
         }},
    };
    for (const auto& [what, make] : rows) {
        fs::remove_all(data);
        const std::string want = make();
        for (int run = 0; run < 2; ++run) {  // the second from the cache
            const auto [status, out] = runCommand("env -u DISPLAY XDG_DATA_HOME=" + data +
                                                  " timeout 60 " ZANDOK_GAME_EXE " --scores");
            EXPECT_EQ(std::tuple(status, out), std::tuple(0, want)) << what << run;
        }
    }
}
