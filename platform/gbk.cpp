#include "platform/gbk.h"

#include <array>
#include <cerrno>
#include <memory>
#include <mutex>
#include <vector>

#include <iconv.h>

namespace orvik {
namespace {

// One converter per direction and thread, reset before each use.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (handle_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of `in`. On an invalid or unrepresentable sequence calls
    // on_error(out) and skips one input byte; on_error returns false to give up.
    template <typename OnError>
    bool Convert(std::string_view in, std::string& out, OnError on_error)
    {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            return false;
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char* in_ptr = const_cast<char*>(in.data());
        size_t in_left = in.size();
        char buffer[1024];
        while (in_left > 0) {
            char* out_ptr = buffer;
            size_t out_left = sizeof buffer;
            const size_t result = iconv(handle_, &in_ptr, &in_left, &out_ptr, &out_left);
            out.append(buffer, out_ptr);
            if (result != static_cast<size_t>(-1) || errno == E2BIG)
                continue;
            if (!on_error(out))
                return false;
            ++in_ptr;
            --in_left;
        }
        return true;
    }

private:
    iconv_t handle_;
};

// ASCII reads the same in both encodings and needs no converter.
bool IsAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool IsTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

// What the converter makes of every GBK pair and of every byte above ASCII
// on its own, asked once: converting a text through it is slow (about
// 16 MB a second). A pair it refuses reads as its first byte alone, then
// on from the second, as the converter itself goes on after an error. The
// pairs of a lead byte are asked when the first of them is met: a short
// text needs a few of the 126 rows, and asking all takes milliseconds.
class GbkDecodeTable {
public:
    GbkDecodeTable() : singles_(0x80)
    {
        for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
            const std::string utf8 = Convert(std::string(1, static_cast<char>(byte)));
            singles_[byte - 0x80] = utf8.empty() ? "\xEF\xBF\xBD" : utf8;
        }
    }

    // Empty when the converter refuses the pair.
    std::string_view Pair(std::string_view pair) const
    {
        const auto lead = static_cast<unsigned char>(pair[0]);
        Row& row = rows_[lead - kFirstLead];
        std::call_once(row.filled, [&] {
            row.pairs = std::make_unique<std::string[]>(kTrailCount);
            for (unsigned trail = kFirstTrail; trail < kFirstTrail + kTrailCount; ++trail) {
                const char bytes[] = {static_cast<char>(lead), static_cast<char>(trail)};
                if (IsTrailByte(static_cast<unsigned char>(trail)))
                    row.pairs[trail - kFirstTrail] = Convert(std::string_view(bytes, 2));
            }
        });
        return row.pairs[static_cast<unsigned char>(pair[1]) - kFirstTrail];
    }
    // U+FFFD for a byte that is no character on its own.
    std::string_view Single(unsigned char byte) const { return singles_[byte - 0x80]; }

private:
    static constexpr unsigned kFirstLead = 0x81, kLeadCount = 0xFE - 0x81 + 1;
    static constexpr unsigned kFirstTrail = 0x40, kTrailCount = 0xFE - 0x40 + 1;

    struct Row {
        std::once_flag filled;
        std::unique_ptr<std::string[]> pairs;
    };

    static std::string Convert(std::string_view gbk)
    {
        thread_local Converter converter("UTF-8", "GBK");
        std::string utf8;
        return converter.Convert(gbk, utf8, [](std::string&) { return false; }) ? utf8 : std::string();
    }

    mutable std::array<Row, kLeadCount> rows_;
    std::vector<std::string> singles_;
};

}  // namespace

std::size_t GbkCharLength(std::string_view text, std::size_t pos)
{
    const bool pair = pos + 1 < text.size() && IsLeadByte(text[pos]) && IsTrailByte(text[pos + 1]);
    return pair ? 2 : 1;
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8)
{
    if (IsAscii(utf8))
        return std::string(utf8);
    thread_local Converter converter("GBK", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    if (!converter.Convert(utf8, out, [](std::string&) { return false; }))
        return std::nullopt;
    return out;
}

std::string GbkToUtf8(std::string_view gbk)
{
    if (IsAscii(gbk))
        return std::string(gbk);
    static const GbkDecodeTable table;
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    for (std::size_t pos = 0; pos < gbk.size();) {
        const auto byte = static_cast<unsigned char>(gbk[pos]);
        if (byte < 0x80) {
            out += gbk[pos++];
            continue;
        }
        const std::string_view pair = GbkCharLength(gbk, pos) == 2 ? table.Pair(gbk.substr(pos, 2)) : "";
        out += pair.empty() ? table.Single(byte) : pair;
        pos += pair.empty() ? 1 : 2;
    }
    return out;
}

}  // namespace orvik
