#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "fuzz_check.h"

// A file of this process's own for the inputs of readers that take a path,
// on a memory file system where there is one (saves sync their files);
// removed when the process ends normally.
class WorkFile {
public:
    explicit WorkFile(const char* name)
    {
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path folder = std::filesystem::is_directory(shm)
                                                 ? shm
                                                 : std::filesystem::temp_directory_path();
        path_ = folder / ("orvik-fuzz-" + std::to_string(getpid()) + "-" + name);
    }
    ~WorkFile()
    {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    WorkFile(const WorkFile&) = delete;
    WorkFile& operator=(const WorkFile&) = delete;

    operator const std::filesystem::path&() const { return path_; }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& path, const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(std::fwrite(data, 1, size, file) == size);
    FUZZ_CHECK(std::fclose(file) == 0);
}
