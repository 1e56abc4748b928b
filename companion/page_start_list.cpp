#include "companion/page_start_list.h"

#include <algorithm>

#include "companion/page_layout.h"

namespace orvik {

void PageStartList::Start(std::string_view text)
{
    starts_.assign(1, 0);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsWhiteSpace);
    printed_end_ = static_cast<std::size_t>(text.rend() - last);
}

void PageStartList::Record(int page, std::size_t next_start)
{
    if (static_cast<std::size_t>(page) == starts_.size() && next_start < printed_end_)
        starts_.push_back(next_start);
}

}  // namespace orvik
