// The print file writer on arbitrary variables and process texts, as the
// print hand-off and the process log's text save write it. The input gives
// the variables (FuzzedDataProvider: names from the front, values and
// origins from the back), its rest is the process text. The file must be
// text the companion reads line by line: every line ended by CR LF, no CR
// elsewhere, the two section headings, the process text's bytes in it.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "engine/variable_table.h"
#include "fuzz_check.h"
#include "records/print_text.h"
#include "work_file.h"

namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The process text as the file holds it: CR dropped, LF as CR LF.
std::string Stored(std::string_view text)
{
    std::string stored;
    for (const char c : text) {
        if (c == '\n')
            stored += "\r\n";
        else if (c != '\r')
            stored += c;
    }
    return stored;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const WorkFile path("__temp1");
    static orvik::VariableTable table;
    table.Clear();
    FuzzedDataProvider input(data, size);
    const int variables = input.ConsumeIntegralInRange(0, 20);
    for (int i = 0; i < variables && input.remaining_bytes() > 0; ++i) {
        const std::string name = input.ConsumeRandomLengthString(40);
        const double value = input.ConsumeFloatingPoint<double>();
        const char origins[] = {orvik::origin::kAssigned, orvik::origin::kInput, orvik::origin::kBuiltIn};
        table.Append(name, value, origins[input.ConsumeIntegralInRange(0, 2)]);
    }
    const std::string process_text = input.ConsumeRemainingBytesAsString();
    FUZZ_CHECK(orvik::WritePrintFile(path, table, process_text));

    const std::string file = ReadAll(path);
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (file[i] == '\r')
            FUZZ_CHECK(i + 1 < file.size() && file[i + 1] == '\n');
        if (file[i] == '\n')
            FUZZ_CHECK(i > 0 && file[i - 1] == '\r');
    }
    FUZZ_CHECK(file.rfind("Input:", 0) == 0);
    FUZZ_CHECK(file.find("process:") != std::string::npos);
    FUZZ_CHECK(file.find(Stored(process_text)) != std::string::npos);
    return 0;
}
