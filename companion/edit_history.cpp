#include "companion/edit_history.h"

namespace orvik {

void EditHistory::Record(TextEdit edit, bool typed)
{
    const bool joins = typed && last_typed_ && edit.removed.empty() && !edits_.empty()
                       && edits_.back().at + edits_.back().inserted.size() == edit.at;
    last_typed_ = typed;
    if (joins)
        edits_.back().inserted += edit.inserted;
    else
        edits_.push_back(std::move(edit));
}

std::optional<TextEdit> EditHistory::TakeLast()
{
    last_typed_ = false;
    if (edits_.empty())
        return std::nullopt;
    TextEdit last = std::move(edits_.back());
    edits_.pop_back();
    return last;
}

void EditHistory::Clear()
{
    edits_.clear();
    last_typed_ = false;
}

}  // namespace orvik
