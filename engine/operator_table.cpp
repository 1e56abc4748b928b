#include "engine/operator_table.h"

namespace orvik {

int OperatorArity(OperatorCode code)
{
    switch (code) {
    case op::kComma:
    case op::kBracket:
    case op::kHls:
        return 0;
    case op::kSin: case op::kCos: case op::kTan: case op::kInv: case op::kAsin:
    case op::kAcos: case op::kAtan: case op::kAinv: case op::kAbs: case op::kInt:
    case op::kLg: case op::kLn: case op::kExp: case op::kFactorial: case op::kSinh:
    case op::kCosh: case op::kTanh: case op::kSqrt: case op::kDtor: case op::kRtod:
    case op::kBitNot:
        return 1;
    default:
        return 2;
    }
}

OperatorCode FindOperator(std::string_view name)
{
    if (name.empty())
        return -1;
    // The first byte tells most names apart before a comparison is called.
    for (OperatorCode code = 0; code < kOperatorCount; ++code) {
        const std::string_view entry = OperatorTable[code];
        if (!entry.empty() && entry[0] == name[0] && entry == name)
            return code;
    }
    return -1;
}

}  // namespace orvik
