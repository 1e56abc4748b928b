#include "companion/file_bytes.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace orvik {
namespace {

class FileBytesTest : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        dir_ = std::filesystem::temp_directory_path() / ("file_bytes_test_" + test);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        const std::filesystem::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    std::filesystem::path dir_;
};

TEST_F(FileBytesTest, ReadsEveryByteUpToTheLimit)
{
    const std::string bytes("a\r\n\0\xFF\xD6\xD0", 7);
    EXPECT_EQ(ReadFileBytes(Write("f", bytes), 7), bytes);
    EXPECT_EQ(ReadFileBytes(Write("empty", ""), 7), "");
}

TEST_F(FileBytesTest, RefusesWhatCannotBeShown)
{
    EXPECT_EQ(ReadFileBytes(Write("big", "12345678"), 7), std::nullopt);
    EXPECT_EQ(ReadFileBytes((dir_ / "missing").string(), 7), std::nullopt);
    EXPECT_EQ(ReadFileBytes(dir_.string(), 7), std::nullopt);
    EXPECT_EQ(ReadFileBytes("", 7), std::nullopt);
}

}  // namespace
}  // namespace orvik
