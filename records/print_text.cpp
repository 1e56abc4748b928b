#include "records/print_text.h"

#include "engine/number_format.h"
#include "engine/variable_table.h"
#include "platform/atomic_file.h"

namespace orvik {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::vector<NamedValue> VariablesOfOrigin(const VariableTable& table, char origin)
{
    std::vector<NamedValue> variables;
    for (int i = 0; i < table.Count(); ++i)
        if (table[i].origin == origin)
            variables.push_back({std::string(table[i].Name()), table[i].value});
    return variables;
}

std::string ValueLines(std::span<const NamedValue> variables)
{
    std::string lines;
    for (const NamedValue& variable : variables)
        lines += variable.name + " = " + FormatFixed(variable.value, 6) + " " + std::string(kLineEnd);
    return lines;
}

}  // namespace

void AppendSection(std::string& text, std::string_view heading, std::string_view body)
{
    if (!text.empty()) {
        if (!text.ends_with('\n'))
            text += kLineEnd;
        text += kLineEnd;
    }
    text += heading;
    text += ' ';
    text += kLineEnd;
    text += body;
}

std::vector<NamedValue> InputVariables(const VariableTable& table)
{
    return VariablesOfOrigin(table, origin::kInput);
}

std::vector<NamedValue> OutputVariables(const VariableTable& table)
{
    return VariablesOfOrigin(table, origin::kAssigned);
}

void AppendPrintSections(std::string& text, const PrintChoice& choice, std::span<const NamedValue> inputs,
                         std::string_view process_text, std::span<const NamedValue> outputs)
{
    if (choice.inputs)
        AppendSection(text, "Input:", ValueLines(inputs));
    if (choice.process)
        AppendSection(text, "process:", process_text);
    if (choice.outputs)
        AppendSection(text, "Output:", ValueLines(outputs));
}

std::string PrintText(const PrintChoice& choice, std::span<const NamedValue> inputs,
                      std::string_view process_text, std::span<const NamedValue> outputs)
{
    std::string text;
    AppendPrintSections(text, choice, inputs, process_text, outputs);
    return text;
}

std::string PrintFileText(std::span<const NamedValue> inputs, std::string_view process_text)
{
    return PrintText({.inputs = true, .process = true, .outputs = false}, inputs, process_text, {});
}

bool WriteTextFile(const std::filesystem::path& path, std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n')
            bytes += kLineEnd;
        else if (c != '\r')
            bytes += c;
    }
    return WriteFileAtomically(path, bytes);
}

bool WritePrintFile(const std::filesystem::path& path, const VariableTable& table,
                    std::string_view process_text)
{
    return WriteTextFile(path, PrintFileText(InputVariables(table), process_text));
}

}  // namespace orvik
