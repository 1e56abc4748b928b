#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace orvik {

// One change of the text: `removed` was replaced by `inserted` at `at`.
struct TextEdit {
    std::size_t at = 0;
    std::u16string removed;
    std::u16string inserted;
};

// The edits that undo steps back through, newest last. Characters typed one
// after another are undone together.
class EditHistory {
public:
    // `typed`: a character typed at the caret, joined to typing just before it.
    void Record(TextEdit edit, bool typed);
    // The newest edit, taken off the history; nullopt when there is none.
    std::optional<TextEdit> TakeLast();
    bool CanUndo() const { return !edits_.empty(); }
    void Clear();

private:
    std::vector<TextEdit> edits_;
    bool last_typed_ = false;
};

}  // namespace orvik
