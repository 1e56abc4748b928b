#include "platform/atomic_file.h"

#include <fstream>

#include <gtest/gtest.h>

#include "temporary_directory_test.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

using AtomicFileTest = TemporaryDirectoryTest;

std::ptrdiff_t EntryCount(const fs::path& directory)
{
    return std::distance(fs::directory_iterator(directory), fs::directory_iterator());
}

// Saving through a link changes the file it names, with that file's
// permissions, and the link stays a link; the temporary file lies beside
// the file and is gone afterwards. A loop of links writes nothing.
TEST_F(AtomicFileTest, LinksStayAndTheFileTheyNameIsReplaced)
{
    const fs::perms kPrivate = fs::perms::owner_read | fs::perms::owner_write;
    fs::create_directories(dir_ / "a");
    fs::create_directories(dir_ / "b");
    std::ofstream(dir_ / "b/file.tfl") << "old";
    fs::permissions(dir_ / "b/file.tfl", kPrivate);
    const struct {
        const char* link;
        const char* link_to;
        const char* file;
    } cases[] = {
        {"a/absolute.tfl", "", "b/file.tfl"},  // empty: the absolute path of the file
        {"a/relative.tfl", "../b/file.tfl", "b/file.tfl"},
        {"a/chain.tfl", "relative.tfl", "b/file.tfl"},
        {"a/dangling.tfl", "new.tfl", "a/new.tfl"},
    };
    for (const auto& c : cases) {
        fs::create_symlink(*c.link_to ? fs::path(c.link_to) : dir_ / c.file, dir_ / c.link);
        ASSERT_TRUE(WriteFileAtomically(dir_ / c.link, c.link)) << c.link;
        EXPECT_TRUE(fs::is_symlink(dir_ / c.link)) << c.link;
        EXPECT_EQ(ReadBytes(dir_ / c.file), c.link) << c.link;
    }
    EXPECT_EQ(fs::status(dir_ / "b/file.tfl").permissions(), kPrivate);

    fs::create_symlink("loop2", dir_ / "a/loop1");
    fs::create_symlink("loop1", dir_ / "a/loop2");
    EXPECT_FALSE(WriteFileAtomically(dir_ / "a/loop1", "text"));
    EXPECT_EQ(EntryCount(dir_ / "a"), 7);
    EXPECT_EQ(EntryCount(dir_ / "b"), 1);
}

}  // namespace
}  // namespace orvik
