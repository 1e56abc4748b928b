#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace orvik {

// Text offsets at which printed pages begin. Pages are not counted in
// advance: each laid-out page adds the start of the next one while text is
// left, and a page beyond the list ends the job.
class PageStartList {
public:
    // A job on `text` begins with one page, at offset 0.
    void Start(std::string_view text);
    void Clear() { starts_.clear(); }

    // Pages count from 1.
    bool Has(int page) const { return page >= 1 && static_cast<std::size_t>(page) <= starts_.size(); }
    std::size_t StartOf(int page) const { return starts_[page - 1]; }

    // Records where the page after `page` begins. What is left must hold
    // something to print: trailing blank lines make no empty last page.
    void Record(int page, std::size_t next_start);

private:
    std::vector<std::size_t> starts_;
    std::size_t printed_end_ = 0;  // after the text's last byte that is not white space
};

}  // namespace orvik
