#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvik {

class VariableTable;

// A variable as a printed text lists it.
struct NamedValue {
    std::string name;  // GBK
    double value = 0;
};

// The three boxes of the print-choice dialog, as it opens.
struct PrintChoice {
    bool inputs = true;
    bool process = false;
    bool outputs = true;
};

// The variables the user gave values (origin "1"), in table order; the
// constant π is not one of them.
std::vector<NamedValue> InputVariables(const VariableTable& table);
// The variables that assignments made (origin "0"), in table order.
std::vector<NamedValue> OutputVariables(const VariableTable& table);

// Appends the line "<heading> " and `body` as it is; after an empty line
// when `text` is not empty (a text that ends inside a line is ended first).
// Line ends are CR LF.
void AppendSection(std::string& text, std::string_view heading, std::string_view body);

// Appends the chosen sections: "Input:" with one "name = value " line per
// input (six decimals, never an exponent), "process:" with the process text
// as it is (any line ends), "Output:" with the outputs like the inputs.
void AppendPrintSections(std::string& text, const PrintChoice& choice, std::span<const NamedValue> inputs,
                         std::string_view process_text, std::span<const NamedValue> outputs);

// The chosen sections on their own.
std::string PrintText(const PrintChoice& choice, std::span<const NamedValue> inputs,
                      std::string_view process_text, std::span<const NamedValue> outputs);

// The print file's text: the inputs and the process.
std::string PrintFileText(std::span<const NamedValue> inputs, std::string_view process_text);

// Writes `text` as a text file: every CR is dropped and every LF becomes CR
// LF. Through a temporary file, so a failed write leaves the old file whole;
// false when it could not be written.
bool WriteTextFile(const std::filesystem::path& path, std::string_view text);

// The print file (also the process text saved as a text file): the table's
// inputs and the process text.
bool WritePrintFile(const std::filesystem::path& path, const VariableTable& table,
                    std::string_view process_text);

}  // namespace orvik
