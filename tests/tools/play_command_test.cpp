// The README's first command, the way a player runs it a second time:
// tools/play.sh finds its build folder made, builds what changed and opens
// the game's window; "yes" at the quit prompt ends it with status 0, and
// every program the README names under build/ is there. (Its first run, on
// a fresh machine, from a clone and from a plain copy, is
// tools/fresh_machine.sh's.)
#include <filesystem>
#include <regex>

#include "tests/app/window_fixture.h"

TEST_F(WindowTest, ThePlayCommandBuildsAndStartsTheGame) {
    setenv("ZANDOK_BUILD_DIR", ZANDOK_BUILD_DIR, 1);
    pid =
        spawnProcess({ZANDOK_SOURCE_DIR "/tools/play.sh"}, ZANDOK_SOURCE_DIR, tempPath("play.log"));
    waitUntil([&] { return exited(0) || !(game = window("^3D Zandok")).empty(); }, 3000);
    ASSERT_FALSE(game.empty()) << readFile(tempPath("play.log"));
    keys("q y e s Return");
    ASSERT_TRUE(exited(300));
    EXPECT_EQ(status, 0);
    const std::string readme = readFile(ZANDOK_SOURCE_DIR "/README.md");
    const std::regex named("build/([A-Za-z0-9_./-]*[A-Za-z0-9_-])");
    int paths = 0;
    for (std::sregex_iterator p(readme.begin(), readme.end(), named), end; p != end; ++p, ++paths)
        EXPECT_TRUE(std::filesystem::exists(ZANDOK_BUILD_DIR "/" + (*p)[1].str())) << p->str();
    EXPECT_GE(paths, 2);
}
