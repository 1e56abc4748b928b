#include "companion/page_frame.h"

namespace orvik {

PageFrame FramePage(const DeviceRect& page, std::size_t header_bytes)
{
    const int left = page.left + 150;
    const int right = page.right - 100;
    PageFrame frame;
    frame.header_drawn = header_bytes > 1;
    frame.header_band = {left, page.top + 80, right, page.top + 178};
    frame.header_rule = {left, page.top + 180, right, page.top + 180};
    frame.footer_band = {left, page.bottom - 130, right, page.bottom};
    frame.body = {left, page.top + (frame.header_drawn ? 230 : 150), right, page.bottom - 130};
    return frame;
}

}  // namespace orvik
