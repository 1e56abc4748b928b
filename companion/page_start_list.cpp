#include "companion/page_start_list.h"

#include <algorithm>

#include "companion/page_layout.h"

namespace orvik {

void PageStartList::Record(int page, std::size_t next_start, std::string_view text)
{
    if (static_cast<std::size_t>(page) != starts_.size() || next_start >= text.size())
        return;
    const std::string_view rest = text.substr(next_start);
    if (std::all_of(rest.begin(), rest.end(), IsWhiteSpace))
        return;
    starts_.push_back(next_start);
}

}  // namespace orvik
