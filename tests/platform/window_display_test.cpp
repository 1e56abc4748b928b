#include "platform/window_display.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "temporary_directory_test.h"

namespace orvik {
namespace {

class WindowDisplayTest : public TemporaryDirectoryTest {
protected:
    // A socket at `name` in the test's directory that listens as a display
    // server would.
    bool Listen(const char* name)
    {
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, (dir_ / name).c_str(), sizeof address.sun_path - 1);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        listening_.push_back(fd);
        return bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(fd, 8) == 0;
    }
    void TearDown() override
    {
        for (const int fd : listening_)
            close(fd);
        TemporaryDirectoryTest::TearDown();
    }

    std::vector<int> listening_;
};

// A DISPLAY or WAYLAND_DISPLAY left behind by a server that is gone
// counts as no display; the platforms that need none always do.
TEST_F(WindowDisplayTest, OnlyAServerThatAnswersOrNoNeedForOneShowsAWindow)
{
    ASSERT_TRUE(Listen("X7") && Listen("wayland-1"));
    const struct {
        std::string display, wayland, platform;
        bool usable;
    } cases[] = {
        {"", "", "", false},
        {":7.0", "", "", true},
        {"unix:7", "", "", true},
        {":8", "", "", false},
        {":x", "", "", false},
        {"", "wayland-1", "", true},
        {"", (dir_ / "wayland-1").string(), "", true},
        {":8", "wayland-2", "", false},
        {"", "", "offscreen", true},
        {":8", "", "xcb", false},
        {":7", "", "wayland", false},
        {":8", "wayland-1", "wayland;xcb", true},
        {":7", "", "no-such-platform", false},
    };
    for (const auto& c : cases) {
        const DisplayEnvironment environment{c.display, c.wayland, dir_.string(), c.platform, dir_.string()};
        EXPECT_EQ(CanShowWindow(environment), c.usable) << c.display << ' ' << c.wayland << ' ' << c.platform;
    }
}

}  // namespace
}  // namespace orvik
