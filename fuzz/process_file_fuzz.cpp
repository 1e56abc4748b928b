// The process-file reader on arbitrary file contents. What it reads must
// come back unchanged from a save and a second read, the way a user saves
// and reopens a history.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "records/process_file.h"
#include "work_file.h"

namespace {

void CheckRead(const orvik::ProcessFileRead& read, int room)
{
    FUZZ_CHECK(static_cast<int>(read.lines.size()) <= room);
    FUZZ_CHECK(read.ok || read.lines.empty());
    for (const std::string& line : read.lines) {
        // Each ";" became a CR LF, so a stored line is at most twice a read one.
        FUZZ_CHECK(line.size() <= 2 * orvik::kProcessFileLineMax);
        for (std::size_t lf = line.find('\n'); lf != std::string::npos; lf = line.find('\n', lf + 1))
            FUZZ_CHECK(lf > 0 && line[lf - 1] == '\r');
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const WorkFile file("read.vek");
    static const WorkFile copy("saved.vek");
    WriteBytes(file, data, size);
    const int small_room = static_cast<int>(size % 4);
    CheckRead(orvik::ReadProcessFile(file, small_room), small_room);

    const orvik::ProcessFileRead read = orvik::ReadProcessFile(file, orvik::kProcessFileLineCount);
    CheckRead(read, orvik::kProcessFileLineCount);
    if (!read.ok || !read.message.empty())
        return 0;  // nothing read, or lines cut
    FUZZ_CHECK(orvik::SaveProcessFile(copy, read.lines).ok);
    const orvik::ProcessFileRead again = orvik::ReadProcessFile(copy, orvik::kProcessFileLineCount);
    FUZZ_CHECK(again.ok && again.message.empty());
    FUZZ_CHECK(again.lines == read.lines);
    return 0;
}
