#include "library/core/table_text.h"

#include "engine/number_format.h"
#include "platform/gbk.h"

namespace orvik {
namespace {

void AppendFullPrecision(std::string& text, double v)
{
    AppendGeneral(text, v, 17);
}

std::string CsvField(std::string_view gbk)
{
    const std::string text = GbkToUtf8(gbk);
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::string AsIs(std::string_view gbk)
{
    return std::string(gbk);
}

const TableStyle kTabTable{"\t", "\n", GbkToUtf8, AppendFullPrecision};
const TableStyle kCsvTable{",", "\r\n", CsvField, AppendFullPrecision};

void TableText::Separate()
{
    if (line_begun_)
        text_ += style_.separator;
    line_begun_ = true;
}

TableText& TableText::Text(std::string_view gbk)
{
    Separate();
    text_ += style_.text(gbk);
    return *this;
}

TableText& TableText::Number(double v)
{
    Separate();
    style_.append_number(text_, v);
    return *this;
}

void TableText::EndLine()
{
    text_ += style_.line_end;
    line_begun_ = false;
}

}  // namespace orvik
