// Runs the postfix program of the last compilation on the value stack.

#include <climits>
#include <cmath>

#include "engine/engine.h"
#include "engine/engine_messages.h"
#include "engine/involute.h"
#include "engine/number_text.h"

namespace orvik {
namespace {

using constants::kDegreesToRadians;
using constants::kRadiansToDegrees;

// 170! is the largest factorial a double holds.
constexpr int kLargestFactorial = 170;

long double Factorial(int32_t n)
{
    if (n > kLargestFactorial)
        return INFINITY;
    long double product = 1;
    for (int32_t i = n; i > 1; --i)
        product *= i;
    return product;
}

// n(n-1)...(n-k+1); 1 for k <= 0 (the empty product).
long double Permutations(int32_t n, int32_t k)
{
    if (k <= 0)
        return 1;
    if (n >= 0 && k > n)  // the factor 0 is among them
        return 0;
    long double product = n;
    // Every factor is at least 1 in size, so the product overflows within a
    // couple of thousand steps even for huge k.
    for (int64_t factor = int64_t{n} - 1; factor > int64_t{n} - k && std::isfinite(product);
         --factor)
        product *= static_cast<long double>(factor);
    return product;
}

double Remainder(double x, double y)
{
    const int32_t dividend = Trunc32(x), divisor = Trunc32(y);
    if (divisor == 0)
        return NAN;
    if (divisor == -1)  // INT_MIN % -1 would trap
        return 0;
    return dividend % divisor;
}

double Truth(bool value) { return value ? 1.0 : 0.0; }

}  // namespace

double Engine::ToRadians(double v) const
{
    return angle_mode_ == AngleMode::Degrees ? v * kDegreesToRadians : v;
}

double Engine::FromRadians(double r) const
{
    return angle_mode_ == AngleMode::Degrees ? r * kRadiansToDegrees : r;
}

void Engine::Push(double value)
{
    if (top_ < kStackSlots - 1)
        stack_[++top_] = value;
}

double Engine::Pop() { return top_ > 0 ? stack_[top_--] : 0; }

// One switch for every operator, so that evaluating a compiled statement
// again jumps once per operator.
double Engine::Operate(OperatorCode code, double x, double y)
{
    switch (code) {
    case op::kSin: return std::sin(ToRadians(x));
    case op::kCos: return std::cos(ToRadians(x));
    case op::kTan: return std::tan(ToRadians(x));
    case op::kInv: return Involute(ToRadians(x));
    case op::kAsin: return FromRadians(std::asin(x));
    case op::kAcos: return FromRadians(std::acos(x));
    case op::kAtan: return FromRadians(std::atan2(x, 1.0));
    case op::kAinv: return FromRadians(InverseInvolute(x, host_));
    case op::kAbs: return std::fabs(x);
    case op::kInt: return Trunc32(x);
    case op::kLg: return std::log10(x);
    case op::kLn: return std::log(x);
    case op::kExp: return std::exp(x);
    case op::kFactorial: return static_cast<double>(Factorial(Trunc32(x)));
    case op::kSinh: return std::sinh(x);
    case op::kCosh: return std::cosh(x);
    case op::kTanh: return std::tanh(x);
    case op::kSqrt: return std::sqrt(x);
    case op::kDtor: return x * kDegreesToRadians;
    case op::kRtod: return x * kRadiansToDegrees;
    case op::kBitNot: return ~Trunc32(x);
    case op::kAdd: return x + y;
    case op::kSubtract: return x - y;
    case op::kMultiply: return x * y;
    case op::kDivide: return x / y;
    case op::kRemainder: return Remainder(x, y);
    case op::kPower:
    case op::kPow: return std::pow(x, y);
    case op::kAssign: return Assign(x, y, variables_.Count());
    case op::kEqual: return Truth(std::fabs(x - y) <= constants::kEqualityTolerance);
    case op::kGreater: return Truth(x > y);
    case op::kLess: return Truth(x < y);
    case op::kGreaterEqual: return Truth(x - y > -constants::kOrderTolerance);
    case op::kLessEqual: return Truth(x - y < constants::kOrderTolerance);
    case op::kLog: return std::log10(y) / std::log10(x);
    case op::kAnd: return Truth(x >= 1 && y >= 1);
    case op::kOr: return Truth(x >= 1 || y >= 1);
    case op::kNotEqual: return Truth(x != y);
    case op::kMax: return x > y ? x : y;
    case op::kMin: return x < y ? x : y;
    case op::kPermutations:
        return static_cast<double>(Permutations(Trunc32(x), Trunc32(y)));
    case op::kCombinations: {
        const int32_t k = Trunc32(y);
        return static_cast<double>(Permutations(Trunc32(x), k) / Factorial(k));
    }
    case op::kBitOr: return Trunc32(x) | Trunc32(y);
    case op::kBitAnd: return Trunc32(x) & Trunc32(y);
    case op::kBitXor: return Trunc32(x) ^ Trunc32(y);
    default: return x;  // no operator takes nothing but "," "[" "_hls"
    }
}

double Engine::Assign(double x, double y, int32_t count)
{
    const int32_t index = Trunc32(x);
    if (index >= 0 && index < count)
        variables_[index].value = y;
    return y;
}

int32_t Engine::AssignLimit(OperatorCode limit) const
{
    return limit == kLiveCount ? variables_.Count() : limit;
}

// Kept out of the evaluation loop, which need not make room for it.
[[gnu::noinline]] void Engine::ShowMissingOperand(std::string_view statement)
{
    host_.ShowMessage(StatementMessage(statement, messages::kMissingOperand));
}

double Engine::EvaluateProgram()
{
    top_ = 0;
    for (int32_t i = 0; i < token_count_; ++i) {
        const Token& token = program_[i];
        if (!token.is_operator) {
            Push(token.value);
            continue;
        }
        const int arity = OperatorArity(token.code);
        if (top_ < arity) {  // a malformed statement never reads an empty stack
            ShowMissingOperand(std::string_view(source_, source_length_));
            return 0;
        }
        if (arity == 2) {
            const double y = Pop();
            const double x = Pop();
            Push(Operate(token.code, x, y));
        } else if (arity == 1) {
            Push(Operate(token.code, Pop(), 0));
        }
    }
    return Pop();
}

// The loop that evaluates statements again: every operand an address and
// every intermediate result a cell of its own (Bind), so nothing is checked
// per step. Flattened: the operators' code is inlined.
[[gnu::flatten]] double Engine::Run(const ReplayInstruction* in, std::string_view statement)
{
    for (;; ++in) {
        // Operators first: nearly every step is one, the last one of a
        // statement with its value.
        if (in->step == ReplayStep::kOperate) {
            *in->result = Operate(in->code, *in->x, *in->y);
            continue;
        }
        if (in->step == ReplayStep::kOperateEnd)
            return *in->result = Operate(in->code, *in->x, *in->y);
        switch (in->step) {
        case ReplayStep::kCopy:
            *in->result = *in->x;
            break;
        case ReplayStep::kStep:
            *in->result = *in->x;
            *in->x += in->code;
            break;
        case ReplayStep::kAssign:
            *in->result = Assign(*in->x, *in->y, AssignLimit(in->code));
            break;
        case ReplayStep::kMissingOperand:
            ShowMissingOperand(statement);
            return 0;
        case ReplayStep::kOperate:
        case ReplayStep::kOperateEnd:
        case ReplayStep::kEnd:
            return *in->x;
        }
    }
}

}  // namespace orvik
