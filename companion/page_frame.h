#pragma once

#include <cstddef>

#include "companion/page_layout.h"

namespace orvik {

// Where the parts of a printed page go, in device units inside the page's
// printable rectangle.
struct PageFrame {
    bool header_drawn = false;
    DeviceRect header_band;  // the header text is centred in it
    DeviceRect header_rule;  // a horizontal line: top == bottom
    DeviceRect footer_band;  // the page number is centred in it
    DeviceRect body;
};

// Only a header longer than one byte is printed, with a rule under it; the
// body then starts lower.
PageFrame FramePage(const DeviceRect& page, std::size_t header_bytes);

}  // namespace orvik
