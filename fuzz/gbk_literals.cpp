// Copies a UTF-8 C++ source file with the non-ASCII text of its plain string
// and character literals written as octal escapes of the GBK bytes. Clang
// has no execution character set but UTF-8, so the clang build compiles
// these copies and gets the same bytes as gcc's -fexec-charset=GBK.
// Usage: orvik_gbk_literals SOURCE COPY
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/gbk.h"

namespace {

bool IsIdentifierChar(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool IsEncodingPrefix(std::string_view prefix)
{
    return prefix.empty() || prefix == "u" || prefix == "U" || prefix == "L" || prefix == "u8";
}

class Converter {
public:
    explicit Converter(std::string_view text) : text_(text) {}

    std::string Run()
    {
        while (pos_ < text_.size()) {
            if (text_.compare(pos_, 2, "//") == 0)
                CopyUntil("\n", false);
            else if (text_.compare(pos_, 2, "/*") == 0)
                CopyUntil("*/", true);
            else if (text_[pos_] == '"')
                Literal('"');
            else if (text_[pos_] == '\'' && !AfterNumber())
                Literal('\'');
            else
                out_ += text_[pos_++];
        }
        return out_;
    }

private:
    // The identifier or number right before the current position.
    std::string_view Before() const
    {
        std::size_t begin = pos_;
        while (begin > 0 && IsIdentifierChar(text_[begin - 1]))
            --begin;
        return text_.substr(begin, pos_ - begin);
    }

    // A quote inside a number is a digit separator: 1'000.
    bool AfterNumber() const
    {
        const std::string_view before = Before();
        return !before.empty() && before[0] >= '0' && before[0] <= '9';
    }

    void CopyUntil(std::string_view end, bool include_end)
    {
        std::size_t stop = text_.find(end, pos_ + 2);
        stop = stop == std::string_view::npos ? text_.size() : stop + (include_end ? end.size() : 0);
        out_ += text_.substr(pos_, stop - pos_);
        pos_ = stop;
    }

    void Literal(char quote)
    {
        const std::string_view prefix = Before();
        if (quote == '"' && !prefix.empty() && prefix.back() == 'R'
            && IsEncodingPrefix(prefix.substr(0, prefix.size() - 1)))
            return RawString();
        // u"", U"", L"" and u8"" literals are not in the execution character set.
        const bool plain = prefix.empty() || !IsEncodingPrefix(prefix);
        out_ += text_[pos_++];
        while (pos_ < text_.size() && text_[pos_] != quote) {
            if (text_[pos_] == '\\') {
                out_ += text_.substr(pos_, 2);
                pos_ += 2;
            } else if (plain && static_cast<unsigned char>(text_[pos_]) >= 0x80) {
                NonAscii();
            } else {
                out_ += text_[pos_++];
            }
        }
        if (pos_ < text_.size())
            out_ += text_[pos_++];
    }

    void NonAscii()
    {
        std::size_t end = pos_;
        while (end < text_.size() && static_cast<unsigned char>(text_[end]) >= 0x80)
            ++end;
        const std::string_view utf8 = text_.substr(pos_, end - pos_);
        const std::optional<std::string> gbk = orvik::Utf8ToGbk(utf8);
        if (!gbk)
            throw std::runtime_error("text without a GBK form in a literal: " + std::string(utf8));
        for (const char byte : *gbk) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", static_cast<unsigned char>(byte));
            out_ += escape;
        }
        pos_ = end;
    }

    // R"delimiter( ... )delimiter" is copied as it is; non-ASCII text in it
    // could not be escaped.
    void RawString()
    {
        const std::size_t open = text_.find('(', pos_);
        const std::string close = ")" + std::string(text_.substr(pos_ + 1, open - pos_ - 1)) + "\"";
        const std::size_t end = text_.find(close, open);
        const std::string_view raw = text_.substr(pos_, end + close.size() - pos_);
        for (const char c : raw) {
            if (static_cast<unsigned char>(c) >= 0x80)
                throw std::runtime_error("non-ASCII text in a raw string literal");
        }
        out_ += raw;
        pos_ += raw.size();
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string out_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE COPY\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    try {
        const std::string copy = Converter(text.str()).Run();
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out << copy;
        if (!in || !out)
            throw std::runtime_error("cannot read or write the file");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
