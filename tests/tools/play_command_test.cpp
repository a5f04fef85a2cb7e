// The README's first command, the way a player runs it: on a fresh copy of
// the project's files (no .git, as an unpacked release), tools/play.sh
// installs what is missing, builds the game and opens its window; "yes" at
// the quit prompt ends it with status 0, every program the README names
// under build/ is there, and the build installs.
#include <filesystem>
#include <regex>

#include "tests/app/window_fixture.h"

TEST_F(WindowTest, ThePlayCommandStartsTheGameFromAFreshCopy) {
    const std::string clone = tempPath("copy");
    ASSERT_EQ(runCommand("rm -rf " + clone + " && mkdir " + clone +
                         " && tar -C " ZANDOK_SOURCE_DIR
                         " --exclude=./.git --exclude='./build*' -cf - . | tar -C " +
                         clone + " -xf -")
                  .first,
              0);
    pid = spawnProcess({clone + "/tools/play.sh"}, clone, "play.log");
    // It builds first: allow it fifteen minutes, unless it ends.
    waitUntil([&] { return exited(0) || !(game = window("^3D Zandok")).empty(); }, 9000);
    ASSERT_FALSE(game.empty()) << readFile(clone + "/play.log");
    keys("q y e s Return");
    ASSERT_TRUE(exited(300));
    EXPECT_EQ(status, 0);
    const std::string readme = readFile(clone + "/README.md");
    const std::regex named("build/[A-Za-z0-9_./-]*[A-Za-z0-9_-]");
    int paths = 0;
    for (std::sregex_iterator p(readme.begin(), readme.end(), named), end; p != end; ++p, ++paths)
        EXPECT_TRUE(std::filesystem::exists(clone + "/" + p->str())) << p->str();
    EXPECT_GE(paths, 2);
    // What it built installs as the README says.
    EXPECT_EQ(runCommand("cmake --install " + clone + "/build --prefix " + clone +
                         "/p >/dev/null && " + clone + "/p/games/zandok --version"),
              std::pair(0, std::string("zandok " ZANDOK_VERSION "\n")));
    runCommand("rm -rf " + clone);  // a whole build
}
