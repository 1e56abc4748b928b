#include "platform/regular_file.h"

#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

#include "temporary_directory_test.h"

namespace orvik {
namespace {

class RegularFileTest : public TemporaryDirectoryTest {
protected:
    std::filesystem::path Write(const std::string& name, const std::string& bytes)
    {
        const std::filesystem::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
};

TEST_F(RegularFileTest, ReadsEveryByteUpToTheLimit)
{
    const std::string bytes("a\r\n\0\xFF\xD6\xD0", 7);
    EXPECT_EQ(ReadRegularFile(Write("f", bytes), 7), bytes);
    EXPECT_EQ(ReadRegularFile(Write("empty", ""), 7), "");
    const std::string big(200 * 1024, 'x');  // several reads
    EXPECT_EQ(ReadRegularFile(Write("big", big), big.size()), big);
}

TEST_F(RegularFileTest, RefusesWhatIsNoRegularFileOrTooLargeWithoutWaiting)
{
    const std::filesystem::path pipe = dir_ / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    alarm(10);
    EXPECT_EQ(ReadRegularFile(pipe, 7), std::nullopt);
    alarm(0);
    EXPECT_EQ(ReadRegularFile(Write("big", "12345678"), 7), std::nullopt);
    EXPECT_EQ(ReadRegularFile(dir_ / "missing", 7), std::nullopt);
    EXPECT_EQ(ReadRegularFile(dir_, 7), std::nullopt);
    EXPECT_EQ(ReadRegularFile("", 7), std::nullopt);
}

}  // namespace
}  // namespace orvik
