#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
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

// A program that ships versions of a library, and the user's copy of it.
class ShippedLibraryTest : public DataDirectoryTest {
protected:
    void SetUp() override
    {
        DataDirectoryTest::SetUp();
        program_ = root_ / "program";
        data_ = root_ / "home/.local/share/orvik";
        copy_ = data_ / "vekf";
    }
    void Ship(const std::string& file, const std::string& text) { Write(program_ / "vekf" / file, text); }
    void Edit(const std::string& file, const std::string& text) { Write(copy_ / file, text); }
    std::string Copy(const std::string& file) { return Read(copy_ / file); }
    void Start(std::span<const uint64_t> earlier_shipped = {})
    {
        CopyShippedLibrary(program_.string(), data_.string(), earlier_shipped);
    }

    fs::path program_;
    fs::path data_;
    fs::path copy_;
};

TEST_F(ShippedLibraryTest, NewVersionsReplaceUnchangedCopiesAndGoBesideChangedOnes)
{
    Ship("齿轮/分度圆.tfl", "gear 1");
    Ship("梁/挠度.tfl", "beam 1");
    Start();
    EXPECT_EQ(Copy("齿轮/分度圆.tfl"), "gear 1");
    Edit("齿轮/分度圆.tfl", "gear edited");
    Edit("齿轮/mine.tfl", "mine");

    Ship("齿轮/分度圆.tfl", "gear 2");
    Ship("梁/挠度.tfl", "beam 2");
    Ship("弹簧/压缩弹簧.tfl", "spring 2");
    Start();
    Start();  // nothing more to do
    EXPECT_EQ(Copy("齿轮/分度圆.tfl"), "gear edited");
    EXPECT_EQ(Copy("齿轮/分度圆（新版）.tfl"), "gear 2");
    EXPECT_FALSE(fs::exists(copy_ / "齿轮/分度圆（新版2）.tfl"));
    EXPECT_EQ(Copy("梁/挠度.tfl"), "beam 2");
    EXPECT_EQ(Copy("弹簧/压缩弹簧.tfl"), "spring 2");
    EXPECT_EQ(Copy("齿轮/mine.tfl"), "mine");

    fs::remove(copy_ / "梁/挠度.tfl");  // deleted by the user: stays deleted
    Edit("齿轮/分度圆（新版）.tfl", "gear 2 edited");
    Ship("齿轮/分度圆.tfl", "gear 3");
    Start();
    EXPECT_FALSE(fs::exists(copy_ / "梁/挠度.tfl"));
    EXPECT_EQ(Copy("齿轮/分度圆（新版）.tfl"), "gear 2 edited");
    EXPECT_EQ(Copy("齿轮/分度圆（新版2）.tfl"), "gear 3");

    Ship("齿轮/分度圆.tfl", "gear 4");  // the unchanged new version makes way
    Ship("梁/挠度.tfl", "beam 4");
    Start();
    EXPECT_EQ(Copy("齿轮/分度圆（新版2）.tfl"), "gear 4");
    EXPECT_EQ(Copy("梁/挠度.tfl"), "beam 4");
}

TEST_F(ShippedLibraryTest, CopiesFromBeforeTheRecordAreUnchangedWhenTheyEqualAnEarlierShippedFile)
{
    Ship("a.tfl", "a 2");
    Ship("b.tfl", "b 2");
    Edit("a.tfl", "a 1");
    Edit("b.tfl", "b edited");
    Write(data_ / ".shipped-library", "1.0");  // what the older program kept
    const uint64_t earlier[] = {LibraryFileHash("a 1"), LibraryFileHash("b 1")};
    Start(earlier);
    EXPECT_EQ(Copy("a.tfl"), "a 2");
    EXPECT_EQ(Copy("b.tfl"), "b edited");
    EXPECT_EQ(Copy("b（新版）.tfl"), "b 2");
}

TEST_F(DataDirectoryTest, NothingShippedStillMakesTheDataDirectory)
{
    const fs::path data = root_ / "home/.local/share/orvik";
    CopyShippedLibrary((root_ / "program").string(), data.string(), {});
    EXPECT_TRUE(fs::is_directory(data));
    EXPECT_FALSE(fs::exists(data / "vekf"));
}

}  // namespace
}  // namespace orvik
