// A second copy of the game leaves at once, before it touches the log.
#include "lib/Platform.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>

TEST(SingleInstance, SecondCopyExitsQuietlyAndKeepsTheLog) {
    vrels::platform::InstanceLock lock("Vrel's Skarov");
    if (!lock.Acquired()) {
        GTEST_SKIP() << "a copy of the game is running on this machine";
    }
    char dir[] = "/tmp/vrels-instance-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string log = std::string(dir) + "/log.txt";
    std::ofstream(log) << "first copy's log\n";
    const std::string command = std::string("cd ") + dir + " && SDL_VIDEODRIVER=offscreen " +
                                VRELS_GAME_DIR + "/vrels > /dev/null 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::ifstream in(log);
    std::stringstream contents;
    contents << in.rdbuf();
    EXPECT_EQ(contents.str(), "first copy's log\n");
    std::remove(log.c_str());
    rmdir(dir);
}
