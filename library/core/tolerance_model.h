#pragma once

#include <functional>
#include <span>

namespace orvik {

// A calculation under tolerance analysis: the values of the inputs that
// have a tolerance in, in their order, and the value of each result out.
// False where it gives no value at all; a result that is not a finite
// number has no value there either.
using ToleranceModel = std::function<bool(std::span<const double> inputs, std::span<double> results)>;

}  // namespace orvik
