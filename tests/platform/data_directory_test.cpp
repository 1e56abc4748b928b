#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/program_directory.h"
#include "platform/user_library.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

// A scratch folder and the environment variables a test changes, put back afterwards.
class DataDirectoryTest : public testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / ("orvik-data-test-" + std::to_string(getpid()));
        fs::create_directories(root_);
        for (const char* name : {"ORVIK_HOME", "HOME", "XDG_DATA_HOME"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        unsetenv("ORVIK_HOME");
        setenv("HOME", (root_ / "home").c_str(), 1);
        unsetenv("XDG_DATA_HOME");
    }
    void TearDown() override
    {
        for (const auto& [name, value] : saved_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root_);
    }

    static void Write(const fs::path& path, const std::string& text)
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const fs::path& path)
    {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    fs::path root_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(DataDirectoryTest, WritableProgramDirectoryKeepsTheDataElseTheUserDirectory)
{
    const std::string program = (root_ / "usr/lib/orvik").string();
    const std::string home_data = (root_ / "home/.local/share/orvik").string();
    EXPECT_EQ(DataDirectoryFor(program, true), program);
    EXPECT_EQ(DataDirectoryFor(program, false), home_data);
    setenv("XDG_DATA_HOME", (root_ / "xdg").c_str(), 1);
    EXPECT_EQ(DataDirectoryFor(program, false), (root_ / "xdg/orvik").string());
    setenv("XDG_DATA_HOME", "relative/data", 1);
    EXPECT_EQ(DataDirectoryFor(program, false), home_data);
}

// Root may write into an installed program directory; it still keeps its
// data in its own directory, so the package keeps its files as shipped.
TEST_F(DataDirectoryTest, InstalledProgramDirectoryIsNeverTheDataDirectory)
{
    const std::string home_data = (root_ / "home/.local/share/orvik").string();
    for (const char* installed : {"/usr/lib/orvik", "/usr/bin", "/usr"})
        EXPECT_EQ(DataDirectoryFor(installed, true), home_data) << installed;
    for (const char* own : {"/usrlocal/orvik", "/opt/usr/orvik", "/home/u/orvik"})
        EXPECT_EQ(DataDirectoryFor(own, true), own) << own;
}

TEST_F(DataDirectoryTest, BuildTreeAndOrvikHomeHoldEverything)
{
    // This test runs from the build tree, which its user may write.
    EXPECT_EQ(DataDirectory(), ProgramDirectory());
    EXPECT_EQ(LibraryDirectory(), (fs::path(ProgramDirectory()) / "vekf").string());
    setenv("ORVIK_HOME", root_.c_str(), 1);
    EXPECT_EQ(ProgramDirectory(), root_.string());
    EXPECT_EQ(DataDirectory(), root_.string());
}

TEST_F(DataDirectoryTest, WritableCheck)
{
    EXPECT_TRUE(IsWritableDirectory(root_.string()));
    EXPECT_FALSE(IsWritableDirectory((root_ / "missing").string()));
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write into a read-only directory";
    fs::permissions(root_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(IsWritableDirectory(root_.string()));
}

TEST_F(DataDirectoryTest, ShippedLibraryIsCopiedOncePerVersionKeepingTheUsersFiles)
{
    const fs::path program = root_ / "program";
    const fs::path data = root_ / "home/.local/share/orvik";
    Write(program / "vekf/齿轮/分度圆.tfl", "shipped gear");
    Write(program / "vekf/梁/挠度.tfl", "shipped beam");
    Write(data / "vekf/齿轮/分度圆.tfl", "edited by the user");

    CopyShippedLibrary(program.string(), data.string());
    EXPECT_EQ(Read(data / "vekf/齿轮/分度圆.tfl"), "edited by the user");
    EXPECT_EQ(Read(data / "vekf/梁/挠度.tfl"), "shipped beam");

    fs::remove(data / "vekf/梁/挠度.tfl");  // deleted by the user: stays deleted
    CopyShippedLibrary(program.string(), data.string());
    EXPECT_FALSE(fs::exists(data / "vekf/梁/挠度.tfl"));

    Write(data / ".shipped-library", "0.1");  // copied by an older version
    CopyShippedLibrary(program.string(), data.string());
    EXPECT_EQ(Read(data / "vekf/梁/挠度.tfl"), "shipped beam");
    EXPECT_EQ(Read(data / "vekf/齿轮/分度圆.tfl"), "edited by the user");
}

TEST_F(DataDirectoryTest, NothingShippedStillMakesTheDataDirectory)
{
    const fs::path data = root_ / "home/.local/share/orvik";
    CopyShippedLibrary((root_ / "program").string(), data.string());
    EXPECT_TRUE(fs::is_directory(data));
    EXPECT_FALSE(fs::exists(data / "vekf"));
}

}  // namespace
}  // namespace orvik
