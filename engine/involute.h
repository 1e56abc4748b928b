#pragma once

#include "engine/engine_host.h"

namespace orvik {

// inv(a) = tan(a) - a, a in radians.
double Involute(double a);

// The angle in radians whose involute is y. Shows an error through `host`
// and returns 0 when y is below 0 or the iteration leaves (0°, 89.9°) or does
// not settle.
double InverseInvolute(double y, EngineHost& host);

}  // namespace orvik
