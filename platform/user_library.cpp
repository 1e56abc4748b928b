#include "platform/user_library.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/program_directory.h"
#include "platform/regular_file.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

// One line per file written into the user's library: the hash of what was
// written, a tab, the path relative to "vekf". An older program kept only its
// version here, which reads as no record at all.
constexpr const char* kRecordName = ".shipped-library";

// The shipped files of the version that copied the library without keeping a
// record; a copy that still equals one of them was never changed.
constexpr uint64_t kShippedBeforeRecords[] = {
#include "platform/earlier_shipped_library.inc"
};

using Records = std::map<std::string, uint64_t>;

// Formula files are small; a "copy" larger than this is the user's own.
constexpr std::size_t kLargestLibraryFile = 16 * 1024 * 1024;

std::optional<std::string> ReadBytes(const fs::path& path)
{
    return ReadRegularFile(path, kLargestLibraryFile);
}

std::optional<uint64_t> FileHash(const fs::path& path)
{
    const std::optional<std::string> bytes = ReadBytes(path);
    return bytes ? std::optional(LibraryFileHash(*bytes)) : std::nullopt;
}

Records ReadRecords(const fs::path& path)
{
    Records records;
    std::istringstream lines(ReadBytes(path).value_or(""));
    for (std::string line; std::getline(lines, line);) {
        uint64_t hash = 0;
        int consumed = 0;
        if (std::sscanf(line.c_str(), "%16" SCNx64 "\t%n", &hash, &consumed) == 1 && consumed == 17)
            records[line.substr(17)] = hash;
    }
    return records;
}

std::string RecordsText(const Records& records)
{
    std::string text;
    char hash[17];
    for (const auto& [path, value] : records) {
        std::snprintf(hash, sizeof hash, "%016" PRIx64, value);
        text.append(hash).append("\t").append(path).append("\n");
    }
    return text;
}

bool Write(const fs::path& target, const std::string& bytes)
{
    std::error_code ignored;
    fs::create_directories(target.parent_path(), ignored);
    return WriteFileAtomically(target, bytes);
}

// Where the user's library gets the shipped files and keeps its record.
class LibraryUpdate {
public:
    LibraryUpdate(const fs::path& user_library, std::span<const uint64_t> earlier_shipped, Records records)
        : library_(user_library), earlier_shipped_(earlier_shipped), records_(std::move(records))
    {
    }

    const Records& Recorded() const { return records_; }

    // Brings one shipped file (its path relative to the library) into the
    // user's library; unchanged when its present version is recorded.
    void Ship(const fs::path& relative, const std::string& bytes)
    {
        const std::string key = relative.generic_string();
        const uint64_t hash = LibraryFileHash(bytes);
        const auto record = records_.find(key);
        if (record != records_.end() && record->second == hash)
            return;
        const fs::path copy = library_ / relative;
        std::error_code error;
        const bool exists = fs::exists(copy, error);
        if (error)
            return;
        bool done = false;
        if (!exists) {
            done = Write(copy, bytes);
        } else if (const std::optional<uint64_t> copy_hash = FileHash(copy)) {
            if (*copy_hash == hash)
                done = true;
            else if (IsUnchanged(key, *copy_hash))
                done = Write(copy, bytes);
            else
                done = PutBeside(relative, bytes, hash);
        }
        if (done)
            records_[key] = hash;
    }

private:
    bool IsUnchanged(const std::string& key, uint64_t copy_hash) const
    {
        const auto record = records_.find(key);
        if (record != records_.end())
            return record->second == copy_hash;
        return std::find(earlier_shipped_.begin(), earlier_shipped_.end(), copy_hash) != earlier_shipped_.end();
    }

    // The new version of a file the user changed, under the first name
    // "name（新版）", "name（新版2）", … that is free, already holds it, or
    // holds an earlier new version the user left as it was.
    bool PutBeside(const fs::path& relative, const std::string& bytes, uint64_t hash)
    {
        for (int n = 1; n < 100; ++n) {
            const fs::path beside = relative.parent_path() /
                (relative.stem().string() + "（新版" + (n > 1 ? std::to_string(n) : "") + "）" +
                 relative.extension().string());
            const std::string key = beside.generic_string();
            std::error_code error;
            if (!fs::exists(library_ / beside, error)) {
                if (error || !Write(library_ / beside, bytes))
                    return false;
                records_[key] = hash;
                return true;
            }
            const std::optional<uint64_t> beside_hash = FileHash(library_ / beside);
            if (beside_hash == hash)
                return true;
            const auto record = records_.find(key);
            if (beside_hash && record != records_.end() && record->second == *beside_hash) {
                if (!Write(library_ / beside, bytes))
                    return false;
                record->second = hash;
                return true;
            }
        }
        return false;
    }

    fs::path library_;
    std::span<const uint64_t> earlier_shipped_;
    Records records_;
};

}  // namespace

uint64_t LibraryFileHash(std::string_view bytes)
{
    uint64_t hash = 0xcbf29ce484222325;
    for (const unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 0x100000001b3;
    }
    return hash;
}

void CopyShippedLibrary(const std::string& program_directory, const std::string& data_directory,
                        std::span<const uint64_t> earlier_shipped)
{
    std::error_code error;
    fs::create_directories(data_directory, error);
    const fs::path shipped = fs::path(program_directory) / "vekf";
    if (!fs::is_directory(shipped, error))
        return;
    const fs::path record_path = fs::path(data_directory) / kRecordName;
    const Records recorded = ReadRecords(record_path);
    LibraryUpdate update(fs::path(data_directory) / "vekf", earlier_shipped, recorded);
    for (fs::recursive_directory_iterator entry(shipped, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        const fs::path relative = fs::relative(entry->path(), shipped, ignored);
        if (entry->is_directory(ignored)) {
            fs::create_directories(fs::path(data_directory) / "vekf" / relative, ignored);
        } else if (entry->is_regular_file(ignored)) {
            if (const std::optional<std::string> bytes = ReadBytes(entry->path()))
                update.Ship(relative, *bytes);
        }
    }
    if (update.Recorded() != recorded)
        WriteFileAtomically(record_path, RecordsText(update.Recorded()));
}

void PrepareDataDirectory()
{
    const std::string program = ProgramDirectory();
    const std::string data = DataDirectory();
    if (data != program)
        CopyShippedLibrary(program, data, kShippedBeforeRecords);
}

}  // namespace orvik
