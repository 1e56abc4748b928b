#pragma once

#include <cstdint>
#include <string_view>

namespace orvik {

// Where a variable came from. The print hand-off lists kInput variables as the
// inputs of a calculation.
namespace origin {
inline constexpr char kAssigned = '0';  // target of an assignment
inline constexpr char kInput = '1';     // asked for, or a formula's input
inline constexpr char kBuiltIn = 1;     // the constant π
}  // namespace origin

struct VariableEntry {
    char description[50];
    char name[30];
    double value;
    int32_t reserved;
    char origin;

    std::string_view Name() const { return name; }
};

// The one store of named values. Entries keep their index until the table is
// cleared or cut back; there is no removal of a single entry.
//
// A lookup scope lets a formula keep its own variables while the ones of
// free calculation stay in the table: names are looked up among the
// entries from the scope's start on first, then among those before it; a
// name being assigned is looked up in the scope only, so an assignment
// never writes an entry before the scope. With the scope at 0 every entry
// is in it.
//
// A statement compiled once refers to its variables by index (see
// compiled_text.h). The generation tells it whether lookups by name may now
// find other entries than before: entries cut off or replaced, the scope
// moved, or a name appended that is there already (lookups may find the new
// entry first) or that no statement created. Callers change values through
// operator[], never names.
class VariableTable {
public:
    static constexpr int kCapacity = 400;
    static constexpr int kNameMax = sizeof(VariableEntry::name) - 1;  // bytes

    VariableTable() = default;
    VariableTable(const VariableTable&) = default;
    // The entries and scope of `other` replace these: a change of every name.
    VariableTable& operator=(const VariableTable& other);

    int Count() const { return count_; }
    bool Full() const { return count_ >= kCapacity; }
    VariableEntry& operator[](int index) { return entries_[index]; }
    const VariableEntry& operator[](int index) const { return entries_[index]; }

    // Index of the first entry named `name` in the scope, else of the first
    // one before it; -1 when there is none.
    int FindVariable(std::string_view name) const;
    // Index of the first entry named `name` in the scope, or -1.
    int FindInScope(std::string_view name) const;
    // Where the scope begins; 0 puts every entry in it.
    void SetScope(int start)
    {
        if (start != scope_) {
            scope_ = start;
            Changed();
        }
    }

    // Appends an entry and returns its index; -1 when the table is full or the
    // name does not fit. The description is emptied.
    int Append(std::string_view name, double value, char entry_origin);
    // The same for a name that a statement creates because no lookup found
    // it where it looked: it names no function or reserved word, so the
    // generation changes only when an entry elsewhere has the name.
    int AppendCreated(std::string_view name, double value, char entry_origin);

    void Clear() { CutBack(0); }
    // Drops every entry from `count` on; a count above the present one
    // changes nothing.
    void CutBack(int count)
    {
        if (count >= 0 && count < count_) {
            count_ = count;
            Changed();
        }
    }

    uint32_t Generation() const { return generation_; }
    // The generation but for the changes that statements made by creating
    // a variable.
    uint32_t GenerationBesideCreations() const { return generation_ - creation_changes_; }

private:
    int Find(std::string_view name, int from, int to) const;
    int AppendEntry(std::string_view name, double value, char entry_origin);
    void Changed() { ++generation_; }

    VariableEntry entries_[kCapacity] = {};
    int32_t count_ = 0;
    int32_t scope_ = 0;
    uint32_t generation_ = 0;
    uint32_t creation_changes_ = 0;
};

}  // namespace orvik
