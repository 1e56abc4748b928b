#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "engine/operator_table.h"

namespace orvik {

// A compiled statement bound to the variables it reads, evaluated again and
// again by Engine::Run. Every value has an address: a variable's value in
// the table, or a cell of the program (a number, a value read before the
// statement began, an intermediate result). Built by Engine::Bind; see
// compiled_text.h.
enum class ReplayStep : uint8_t {
    kOperate,         // *result = code(*x, *y), or code(*x) for a function of one
    kCopy,            // *result = *x
    kStep,            // *result = *x, then *x += code (x++, x--)
    kAssign,          // "=" to the variable at index *x: *result = *y
    kMissingOperand,  // the operator finds too few values: message, 0
    kEnd,             // the value is *x
    kOperateEnd,      // kOperate, and the value is *result
};

// kAssign writes only to a variable whose index is below code, or below the
// table's count then when code is kLiveCount.
inline constexpr OperatorCode kLiveCount = -1;

struct ReplayInstruction {
    ReplayStep step;
    OperatorCode code;
    double* x;
    double* y;
    double* result;
};

struct ReplayProgram {
    std::vector<ReplayInstruction> code;
    // A deque keeps its cells' addresses while it grows and when the
    // program moves.
    std::deque<double> cells;
    // Its numbers were worked out with the angle mode of the binding.
    bool angle_dependent = false;
    // It ends in kMissingOperand, not kEnd or kOperateEnd.
    bool missing_operand = false;
};

// A variable that a compilation created, with the value it was created
// with.
struct Creation {
    int32_t index;
    double value;
};

// An x++ or x-- that a compilation made.
struct CompileStep {
    int16_t variable;
    int8_t step;
};

// A message that a compilation showed; the full table's is shown once in a
// command (Engine::Command), so it is said again only where it would be.
struct CompileMessage {
    std::string text;
    bool table_full;
};

// What a compilation did besides writing its program, collected while the
// engine is given a record.
struct CompileRecord {
    std::vector<CompileMessage> messages;
    std::vector<CompileStep> steps;
};

}  // namespace orvik
