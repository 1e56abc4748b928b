#include "platform/gbk.h"

#include <cerrno>

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
    thread_local Converter converter("UTF-8", "GBK");
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    converter.Convert(gbk, out, [](std::string& text) {
        text += "\xEF\xBF\xBD";
        return true;
    });
    return out;
}

}  // namespace orvik
