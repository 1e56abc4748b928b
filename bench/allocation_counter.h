#pragma once

#include <cstddef>

// Counts calls of the global operator new in this program.
std::size_t AllocationCount();
