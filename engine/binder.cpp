// Binds a compiled program to the variables it read, for statements
// evaluated again and again (compiled_text.h).
//
// Compiling reads every variable while it scans, before anything is
// evaluated, and x++ changes x there and then. The bound program keeps that
// order: a read whose variable changes between the scan and the use (by a
// later x++ or by "=") is copied into a cell before the statement begins,
// together with the x++ steps in the order of the scan; every other read
// takes the variable's value when it is used, which is the same value.
// Operations on numbers alone are worked out here, by the very functions
// the evaluator uses, so they give the same bits. Each place of the
// evaluator's stack becomes a cell: the count of values on the stack at
// every step is known here.

#include <algorithm>
#include <bitset>
#include <vector>

#include "engine/engine.h"
#include "engine/number_text.h"

namespace orvik {
namespace {

bool DependsOnAngleMode(OperatorCode code)
{
    switch (code) {
    case op::kSin: case op::kCos: case op::kTan: case op::kInv: case op::kAsin:
    case op::kAcos: case op::kAtan:
        return true;
    default:
        return false;
    }
}

// "=" writes, "ainv" may show a message: both must happen when evaluated.
bool CanWorkOutBeforehand(OperatorCode code) { return code != op::kAssign && code != op::kAinv; }

// One value on the evaluator's stack while binding: a number not yet
// given a cell, or the address it is read from.
struct BindValue {
    double* address = nullptr;
    bool in_table = false;  // a variable's value, which "=" may change
    bool is_number = false;
    double number = 0;
    bool computed = false;  // an operator's result in a place of the stack
};

BindValue Computed(double* place) { return {place, false, false, 0, true}; }

class ProgramBuilder {
public:
    explicit ProgramBuilder(ReplayProgram& program) : program_(program) {}

    double* Cell(double value)
    {
        program_.cells.push_back(value);
        return &program_.cells.back();
    }
    // The cell of the stack's place `depth` (0 the bottom).
    double* Place(size_t depth)
    {
        while (places_.size() <= depth)
            places_.push_back(Cell(0));
        return places_[depth];
    }
    double* Address(const BindValue& value) { return value.is_number ? Cell(value.number) : value.address; }
    void Emit(ReplayStep step, OperatorCode code, double* x, double* y = nullptr, double* result = nullptr)
    {
        program_.code.push_back({step, code, x, y, result});
    }
    // Before "=" writes `variable` (nullptr: any variable), a value still
    // to be read from it is read now, into a cell.
    void ReadBeforeWriting(BindValue& value, const double* variable)
    {
        if (value.in_table && (!variable || value.address == variable)) {
            double* cell = Cell(0);
            Emit(ReplayStep::kCopy, 0, value.address, nullptr, cell);
            value = {cell};
        }
    }
    // The statement's value is `value`: the operator that computed it last
    // ends the program with it.
    void End(const BindValue& value)
    {
        ReplayInstruction* producer = Producer(value);
        if (!producer && !program_.code.empty() && !value.is_number) {
            ReplayInstruction& last = program_.code.back();
            if (last.step == ReplayStep::kOperate && last.result == value.address)
                producer = &last;
        }
        if (producer && producer->step == ReplayStep::kOperate)
            producer->step = ReplayStep::kOperateEnd;
        else
            Emit(ReplayStep::kEnd, 0, Address(value));
    }
    // The last instruction, when it computed `value`.
    ReplayInstruction* Producer(const BindValue& value)
    {
        if (!value.computed || program_.code.empty())
            return nullptr;
        ReplayInstruction& last = program_.code.back();
        return last.result == value.address ? &last : nullptr;
    }

private:
    ReplayProgram& program_;
    std::vector<double*> places_;
};

// Which reads must be taken before the statement begins: those followed
// by an x++ of the same variable in the scan, and every read after an "="
// (whose target may be the variable).
std::vector<bool> ReadsTakenFirst(std::span<const Token> program)
{
    std::vector<bool> first(program.size());
    std::bitset<VariableTable::kCapacity> stepped_later;
    for (size_t i = program.size(); i-- > 0;) {
        const Token& token = program[i];
        if (token.is_operator || token.variable < 0)
            continue;
        first[i] = token.step != 0 || stepped_later[token.variable];
        if (token.step != 0)
            stepped_later.set(token.variable);
    }
    const auto assign = std::find_if(program.begin(), program.end(), [](const Token& token) {
        return token.is_operator && token.code == op::kAssign;
    });
    for (size_t i = assign - program.begin(); i < program.size(); ++i)
        first[i] = first[i] || program[i].variable >= 0;
    return first;
}

}  // namespace

ReplayProgram Engine::Bind(std::span<const Token> program, const BindContext& context)
{
    ReplayProgram bound;
    ProgramBuilder builder(bound);
    for (const Creation& creation : context.recreated)
        builder.Emit(ReplayStep::kCopy, 0, builder.Cell(creation.value), nullptr, &variables_[creation.index].value);
    for (const CompileStep& step : context.refused_steps)
        builder.Emit(ReplayStep::kStep, step.step, &variables_[step.variable].value, nullptr, builder.Cell(0));

    // The values the scan took, in its order.
    const std::vector<bool> taken_first = ReadsTakenFirst(program);
    std::vector<BindValue> operands(program.size());
    for (size_t i = 0; i < program.size(); ++i) {
        const Token& token = program[i];
        if (token.is_operator)
            continue;
        if (token.variable < 0) {
            operands[i] = {nullptr, false, true, token.value};
            continue;
        }
        double* variable = &variables_[token.variable].value;
        if (!taken_first[i]) {
            operands[i] = {variable, true};
            continue;
        }
        double* cell = builder.Cell(0);
        builder.Emit(token.step != 0 ? ReplayStep::kStep : ReplayStep::kCopy, token.step, variable, nullptr, cell);
        operands[i] = {cell};
    }

    std::vector<BindValue> stack;
    stack.reserve(program.size());
    const auto pop = [&stack] {
        const BindValue value = stack.back();
        stack.pop_back();
        return value;
    };
    for (size_t i = 0; i < program.size(); ++i) {
        const Token& token = program[i];
        if (!token.is_operator) {
            stack.push_back(operands[i]);
            continue;
        }
        const OperatorCode code = token.code;
        const size_t arity = OperatorArity(code);
        if (stack.size() < arity) {
            builder.Emit(ReplayStep::kMissingOperand, 0, nullptr);
            bound.missing_operand = true;
            return bound;
        }
        if (arity == 0)
            continue;
        const BindValue y = pop();
        if (arity == 1) {
            if (y.is_number && CanWorkOutBeforehand(code)) {
                bound.angle_dependent = bound.angle_dependent || DependsOnAngleMode(code);
                stack.push_back({nullptr, false, true, Operate(code, y.number, 0)});
                continue;
            }
            double* place = builder.Place(stack.size());
            double* operand = builder.Address(y);
            builder.Emit(ReplayStep::kOperate, code, operand, operand, place);
            stack.push_back(Computed(place));
            continue;
        }
        const BindValue x = pop();
        if (code != op::kAssign) {
            if (x.is_number && y.is_number && CanWorkOutBeforehand(code)) {
                stack.push_back({nullptr, false, true, Operate(code, x.number, y.number)});
                continue;
            }
            double* place = builder.Place(stack.size());
            builder.Emit(ReplayStep::kOperate, code, builder.Address(x), builder.Address(y), place);
            stack.push_back(Computed(place));
            continue;
        }
        // The target of "x=..." is an index the compiler wrote, of an entry
        // there is: the value goes straight into the variable.
        const int32_t index = x.is_number ? Trunc32(x.number) : -1;
        double* target = index >= 0 && index < context.table_count ? &variables_[index].value : nullptr;
        BindValue value = y;
        for (BindValue& waiting : stack)
            builder.ReadBeforeWriting(waiting, target);
        builder.ReadBeforeWriting(value, target);
        if (!target) {
            BindValue index_value = x;
            builder.ReadBeforeWriting(index_value, nullptr);
            double* place = builder.Place(stack.size());
            builder.Emit(ReplayStep::kAssign, context.assign_limit, builder.Address(index_value),
                         builder.Address(value), place);
            stack.push_back(Computed(place));
            continue;
        }
        if (ReplayInstruction* producer = builder.Producer(value))
            producer->result = target;
        else
            builder.Emit(ReplayStep::kCopy, 0, builder.Address(value), nullptr, target);
        stack.push_back({target, true});
    }
    builder.End(stack.empty() ? BindValue{nullptr, false, true, 0} : stack.back());
    return bound;
}

}  // namespace orvik
