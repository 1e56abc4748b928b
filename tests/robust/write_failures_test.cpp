// Every file the programs write, written where writing must fail: into a
// read-only folder, onto a full disk, over a directory. The old file stays
// byte for byte, no temporary file is left behind, and the user is told.
// A new writer is one more row of kWriters.
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QPlainTextEdit>

#include "companion/vek_print_doc.h"
#include "companion/vek_print_view.h"
#include "engine/engine.h"
#include "engine/variable_table.h"
#include "fake_process_start.h"
#include "fake_user_port.h"
#include "file_size_limit.h"
#include "library/formula_dialog.h"
#include "platform/control_id.h"
#include "platform/gbk.h"
#include "platform/port_engine_host.h"
#include "records/print_hand_off.h"
#include "records/print_text.h"
#include "records/process_file.h"
#include "resources/control_ids.h"
#include "temporary_directory_test.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

// What came of one write: saved, or the text the user was shown (UTF-8).
struct WriteResult {
    bool saved = false;
    std::string message;
};

struct Writer {
    const char* name;
    const char* file_name;  // of the target in its folder
    // Writes something well over kFullDiskBytes to `target`.
    std::function<WriteResult(const fs::path& target)> write;
};

WriteResult SaveProcessFileRow(const fs::path& target)
{
    const std::vector<std::string> lines(200, std::string(100, '1'));
    const ProcessFileSave save = SaveProcessFile(target, lines);
    return {save.ok, GbkToUtf8(save.message)};
}

// The companion's save-as shows "无法保存文档“<path>”。" for a failed write.
WriteResult CompanionSaveAsRow(const fs::path& target)
{
    CVekPrintView view;
    CVekPrintDoc document(view);
    view.SetText(QString(20000, u'x') + QStringLiteral("\n中文"));
    document.SetModifiedFlag(true);
    const QString path = QString::fromStdString(target.string());
    switch (document.OnSaveDocument(path)) {
    case CVekPrintDoc::SaveResult::kSaved:
        return {true, {}};
    case CVekPrintDoc::SaveResult::kWriteFailed:
        return {false, QStringLiteral("无法保存文档“%1”。").arg(path).toStdString()};
    case CVekPrintDoc::SaveResult::kNotGbk:
        break;
    }
    return {false, "(wrong refusal: not GBK)"};
}

// The print file, and the process text saved as a text file (the process
// log then says "打不开文件"), have one writer.
WriteResult PrintFileRow(const fs::path& target)
{
    VariableTable table;
    table.Append("x", 3, origin::kInput);
    const bool written = WritePrintFile(target, table, std::string(6000, '1') + "\n2");
    return {written, written ? "" : GbkToUtf8(kPrintFileNotWrittenMessage)};
}

// The formula dialog saves a new formula of the target's name over it, the
// user having agreed to replace it; the dialog shows what it shows.
WriteResult FormulaFileRow(const fs::path& target)
{
    FakeUserPort port;
    PortEngineHost host(port);
    Engine engine(host);
    FakeProcessStart start;
    FormulaDialog dialog(engine, port, start, nullptr, target.parent_path().string());
    port.prompt_answers = {QString::fromStdString(target.stem().string())};
    dialog.NewFormula();
    FindControl<QPlainTextEdit>(dialog, id::formula::kStatementsEditor)->setPlainText(QString(6000, u'1'));
    port.three_way_answers = {true};
    port.answers = {true};
    const bool saved = dialog.EndEditing();
    return {saved, port.messages.isEmpty() ? "" : port.messages.last().toStdString()};
}

void PrintTo(const Writer& writer, std::ostream* out)
{
    *out << writer.name;
}

const Writer kWriters[] = {
    {"process_file", "target", SaveProcessFileRow},
    {"companion_save_as", "target", CompanionSaveAsRow},
    {"print_file", "target", PrintFileRow},
    {"formula_file", "target.tfl", FormulaFileRow},
};

enum class Failure { kNone, kReadOnlyFolder, kFullDisk, kTargetIsDirectory };

constexpr rlim_t kFullDiskBytes = 4096;
const std::string kOldBytes = "the old file\r\n";

std::set<std::string> Listing(const fs::path& folder)
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        names.insert(entry.path().lexically_relative(folder).string());
    return names;
}

// Root writes into any folder, so root acts as an ordinary user for the
// write (its saved user id lets it return).
class AsOrdinaryUser {
public:
    static constexpr uid_t kNobody = 65534;

    AsOrdinaryUser() : switched_(geteuid() == 0 && seteuid(kNobody) == 0) {}
    ~AsOrdinaryUser()
    {
        if (switched_ && seteuid(0) != 0)
            std::abort();
    }
    bool Ok() const { return switched_ || geteuid() != 0; }

private:
    bool switched_;
};

class WriteFailureTest : public ::testing::TestWithParam<std::tuple<Writer, Failure>> {
protected:
    void SetUp() override
    {
        std::string name = (fs::temp_directory_path() / "orvik-write-XXXXXX").string();
        ASSERT_NE(mkdtemp(name.data()), nullptr);
        root_ = name;
        folder_ = root_ / "folder";
        target_ = folder_ / std::get<0>(GetParam()).file_name;
        fs::create_directory(folder_);
        // An ordinary user must reach the folder for the read-only case.
        chmod(root_.c_str(), 0755);
    }

    void TearDown() override
    {
        chmod(folder_.c_str(), 0755);
        fs::remove_all(root_);
    }

    WriteResult WriteFailing(const Writer& writer, Failure failure)
    {
        switch (failure) {
        case Failure::kNone:
        case Failure::kTargetIsDirectory:
            return writer.write(target_);
        case Failure::kReadOnlyFolder: {
            chmod(folder_.c_str(), 0555);
            const AsOrdinaryUser user;
            return user.Ok() ? writer.write(target_) : WriteResult{};
        }
        case Failure::kFullDisk: {
            const FileSizeLimit full_disk(kFullDiskBytes);
            return writer.write(target_);
        }
        }
        return {};
    }

    fs::path root_;
    fs::path folder_;
    fs::path target_;
};

TEST_P(WriteFailureTest, OldFileStaysAndTheUserIsTold)
{
    const auto& [writer, failure] = GetParam();
    if (failure == Failure::kReadOnlyFolder && !AsOrdinaryUser().Ok())
        GTEST_SKIP() << "root without the right to act as an ordinary user: a read-only folder "
                        "cannot stop this process";
    if (failure == Failure::kTargetIsDirectory) {
        fs::create_directory(target_);
        std::ofstream(target_ / "inside", std::ios::binary) << kOldBytes;
    } else {
        std::ofstream(target_, std::ios::binary) << kOldBytes;
    }
    const std::set<std::string> before = Listing(folder_);

    const WriteResult result = WriteFailing(writer, failure);

    EXPECT_EQ(Listing(folder_), before) << "files were left behind or removed";
    const fs::path old_file = failure == Failure::kTargetIsDirectory ? target_ / "inside" : target_;
    if (failure == Failure::kNone) {
        EXPECT_TRUE(result.saved) << result.message;
        EXPECT_GT(fs::file_size(target_), kFullDiskBytes);
        return;
    }
    EXPECT_FALSE(result.saved) << "a failed write reported as saved";
    EXPECT_FALSE(result.message.empty()) << "a failed write reported to nobody";
    EXPECT_EQ(ReadBytes(old_file), kOldBytes);
}

std::string CaseName(const ::testing::TestParamInfo<WriteFailureTest::ParamType>& info)
{
    static const char* const kFailureNames[] = {"normal_write", "read_only_folder", "full_disk",
                                                "target_is_a_directory"};
    return std::string(std::get<0>(info.param).name) + "_"
           + kFailureNames[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WriteFailureTest,
                         ::testing::Combine(::testing::ValuesIn(kWriters),
                                            ::testing::Values(Failure::kNone, Failure::kReadOnlyFolder,
                                                              Failure::kFullDisk,
                                                              Failure::kTargetIsDirectory)),
                         CaseName);

}  // namespace
}  // namespace orvik

int main(int argc, char** argv)
{
    QApplication application(argc, argv);  // the companion's document lives in a widget
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
