// Paths, typed names, listing order and the changes made on disk.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "temporary_directory_test.h"

#include "library/core/library_changes.h"
#include "library/core/library_listing.h"
#include "library/core/library_names.h"
#include "library/core/library_paths.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using Kind = LibraryItemKind;

// Typed names arrive in the file system's encoding, UTF-8; this file's
// plain literals are GBK.
std::string Utf8(std::u8string_view text)
{
    return std::string(text.begin(), text.end());
}

TEST(LibraryPathsTest, CommandsFindTheirFilesAndDirectories)
{
    struct Case {
        Kind kind;
        const char* path;
        const char* file;  // formulas only
        const char* name;
        const char* target;
    };
    const Case cases[] = {
        {Kind::None, "", "", "", "/lib"},
        {Kind::Root, "/lib", "", "lib", "/lib"},
        {Kind::Category, "/lib/gear", "", "gear", "/lib/gear"},
        {Kind::Formula, "/lib/gear/spur ", "/lib/gear/spur.tfl", "spur", "/lib/gear"},
        // Only the caption's blank goes: this is the file "spur .tfl", not "spur.tfl".
        {Kind::Formula, "/lib/gear/spur  ", "/lib/gear/spur .tfl", "spur ", "/lib/gear"},
        // A category whose name ends in a blank is still a category.
        {Kind::Category, "/lib/old ", "", "old ", "/lib/old "},
    };
    for (const Case& c : cases) {
        const LibraryItem item{c.kind, c.path};
        if (item.IsFormula()) {
            EXPECT_EQ(FormulaFilePath(item), c.file) << c.path;
        }
        EXPECT_EQ(ItemName(item), c.name) << c.path;
        EXPECT_EQ(TargetDirectory(item, "/lib"), c.target) << c.path;
    }
    EXPECT_EQ(CaptionOfPath("/lib/gear//"), "gear");
    EXPECT_EQ(JoinPath("/lib/", "gear"), "/lib/gear");
}

TEST(LibraryNamesTest, TypedNamesThatLeaveTheirDirectoryOrCannotBeStoredAreRefused)
{
    struct Case {
        std::string typed;
        NameRefusal refusal;
        std::string name;
    };
    const Case cases[] = {
        {"  spur gear\t", NameRefusal::None, "spur gear"},
        {Utf8(u8"直齿轮"), NameRefusal::None, Utf8(u8"直齿轮")},
        {"", NameRefusal::Empty, ""},
        {" \t ", NameRefusal::Empty, ""},
        {"../outside", NameRefusal::Separator, ""},
        {"a\\b", NameRefusal::Separator, ""},
        {"/etc", NameRefusal::Separator, ""},
        {"line\nbreak", NameRefusal::Separator, ""},
        {".", NameRefusal::DotName, ""},
        {" .. ", NameRefusal::DotName, ""},
        {"...", NameRefusal::None, "..."},
        {"\xF0\x9F\x98\x80", NameRefusal::NotGbk, ""},  // an emoji
        {"\xFF", NameRefusal::NotGbk, ""},              // not UTF-8
        // A file name holds 255 bytes, ".tfl" included; a Chinese character takes 3.
        {std::string(251, 'n'), NameRefusal::None, std::string(251, 'n')},
        {std::string(252, 'n'), NameRefusal::TooLong, ""},
        {Utf8(u8"齿轮") + std::string(245, 'n'), NameRefusal::None, Utf8(u8"齿轮") + std::string(245, 'n')},
        {Utf8(u8"齿轮") + std::string(246, 'n'), NameRefusal::TooLong, ""},
    };
    for (const Case& c : cases) {
        const CheckedName checked = CheckTypedName(c.typed);
        EXPECT_EQ(checked.refusal, c.refusal) << c.typed;
        if (c.refusal == NameRefusal::None) {
            EXPECT_EQ(checked.name, c.name);
        }
    }
}

TEST(LibraryNamesTest, EveryFormulaFileNameEndsInLowerCaseTfl)
{
    const std::pair<std::string, std::string> cases[] = {
        {"abc", "abc.tfl"},     {"abc.tfl", "abc.tfl"}, {"abc.TFL", "abc.tfl"},
        {"abc.Tfl", "abc.tfl"}, {".tfl", ".tfl.tfl"},  {"a.tflx", "a.tflx.tfl"},
    };
    for (const auto& [typed, file] : cases)
        EXPECT_EQ(FormulaFileName(typed), file) << typed;
}

using LibraryListingTest = TemporaryDirectoryTest;

TEST_F(LibraryListingTest, DirectoriesAndFilesAreEachSortedWithoutRegardToCase)
{
    for (const char* name : {"beta", "Alpha", "gamma", "_x", "Z"})
        fs::create_directory(dir_ / name);
    // By pinyin, as GBK orders them: chi, liang, luo.
    for (const std::u8string_view name : {u8"螺纹", u8"齿轮", u8"梁"})
        fs::create_directory(dir_ / Utf8(name));
    for (const char* name : {"b.tfl", "A.tfl", "a1.tfl", "note.txt", "C.TFL"})
        std::ofstream(dir_ / name) << name;
    const DirectoryListing listing = ListDirectory(dir_.string(), true);
    EXPECT_EQ(listing.directories, (Names{"_x", "Alpha", "beta", "gamma", "Z", Utf8(u8"齿轮"), Utf8(u8"梁"),
                                          Utf8(u8"螺纹")}));
    EXPECT_EQ(listing.files, (Names{"A.tfl", "a1.tfl", "b.tfl", "C.TFL", "note.txt"}));
    EXPECT_TRUE(ListDirectory(dir_.string(), false).files.empty());
    EXPECT_TRUE(ListDirectory((dir_ / "missing").string(), true).directories.empty());
}

TEST_F(LibraryListingTest, FormulaPathsComeInTheOrderOfTheTree)
{
    for (const char* directory : {"b/deep", "A", "empty"})
        fs::create_directories(dir_ / directory);
    for (const char* file : {"z.tfl", "b/deep/x.tfl", "b/y.tfl", "A/w.tfl", "A/notes.txt", "a.tfl"})
        std::ofstream(dir_ / file) << file;
    // A link back up into the library would otherwise never end.
    fs::create_directory_symlink(dir_, dir_ / "b" / "loop");
    EXPECT_EQ(ListFormulaPaths(dir_.string()),
              (Names{"A/w.tfl", "b/deep/x.tfl", "b/y.tfl", "a.tfl", "z.tfl"}));
    EXPECT_TRUE(ListFormulaPaths((dir_ / "missing").string()).empty());
}

using LibraryChangesTest = TemporaryDirectoryTest;

// Links are followed both ways: out of the library through a category,
// and into it from a library directory that is itself a link.
TEST_F(LibraryChangesTest, OnlyDirectoriesThatLieInTheLibraryMayChange)
{
    for (const char* directory : {"vekf/gear/inner", "vekf2", "outside/deeper"})
        fs::create_directories(dir_ / directory);
    fs::create_directory_symlink(dir_ / "outside", dir_ / "vekf/out");
    fs::create_directory_symlink("gear", dir_ / "vekf/same");
    fs::create_directory_symlink(dir_ / "vekf", dir_ / "library");
    const struct {
        const char* directory;
        const char* library;
        bool inside;
    } cases[] = {
        {"vekf", "vekf", true},
        {"vekf/same", "vekf", true},
        {"vekf/missing", "vekf", true},  // fails on its own
        {"vekf/out", "vekf", false},
        {"vekf/out/deeper", "vekf", false},
        {"vekf/gear/../..", "vekf", false},
        {"vekf2", "vekf", false},
        {"library/gear", "library", true},
        {"vekf/gear", "library", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LiesInLibrary((dir_ / c.directory).string(), (dir_ / c.library).string()), c.inside) << c.directory;
}

}  // namespace
}  // namespace orvik
