#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace orvik {

// How a table of texts (GBK) and numbers is written: what separates its
// fields and ends its lines, and how each kind of field appears.
struct TableStyle {
    std::string_view separator;
    std::string_view line_end;
    std::string (*text)(std::string_view gbk);
    void (*append_number)(std::string& text, double v);
};

// A field of "%.17g" is at most this long: for reserving a table's room.
inline constexpr size_t kNumberFieldEstimate = 24;

// The console's: UTF-8, tabs, LF, numbers "%.17g".
extern const TableStyle kTabTable;
// For spreadsheet programs: UTF-8, commas, CR LF, numbers "%.17g", fields
// quoted where they hold a comma, a quote or a line end. A file of it
// begins with kUtf8ByteOrderMark.
extern const TableStyle kCsvTable;
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
// For the print file: GBK as it is, tabs, CR LF, numbers by `Number`.
std::string AsIs(std::string_view gbk);
template <std::string (*Number)(double v)>
TableStyle PrintTable()
{
    return {"\t", "\r\n", AsIs, [](std::string& text, double v) { text += Number(v); }};
}

// A table written field by field, line by line, in one style.
class TableText {
public:
    explicit TableText(const TableStyle& style) : style_(style) {}

    void Reserve(size_t size) { text_.reserve(size); }
    TableText& Text(std::string_view gbk);
    TableText& Number(double v);
    void EndLine();

    const std::string& Str() const { return text_; }
    std::string Take() { return std::move(text_); }

private:
    void Separate();

    const TableStyle& style_;
    std::string text_;
    bool line_begun_ = false;
};

}  // namespace orvik
