#include "engine/variable_table.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace orvik {

namespace {

// A stored name against one of at most kNameMax bytes, in place: names are
// short, and measuring or calling out for each would cost more than the
// comparison.
bool IsNamed(const char* stored, std::string_view name)
{
    for (size_t i = 0; i < name.size(); ++i) {
        if (stored[i] != name[i])
            return false;
    }
    return stored[name.size()] == '\0';
}

}  // namespace

// Every statement looks up each of its names here.
int VariableTable::Find(std::string_view name, int from, int to) const
{
    if (name.size() > static_cast<size_t>(kNameMax))
        return -1;
    for (int i = from; i < to; ++i) {
        if (IsNamed(entries_[i].name, name))
            return i;
    }
    return -1;
}

int VariableTable::FindVariable(std::string_view name) const
{
    const int scope = std::clamp(scope_, 0, count_);
    const int index = Find(name, scope, count_);
    return index >= 0 ? index : Find(name, 0, scope);
}

int VariableTable::FindInScope(std::string_view name) const
{
    return Find(name, std::clamp(scope_, 0, count_), count_);
}

VariableTable& VariableTable::operator=(const VariableTable& other)
{
    std::copy(std::begin(other.entries_), std::end(other.entries_), entries_);
    count_ = other.count_;
    scope_ = other.scope_;
    Changed();
    return *this;
}

int VariableTable::Append(std::string_view name, double value, char entry_origin)
{
    const int index = AppendEntry(name, value, entry_origin);
    if (index >= 0)
        Changed();
    return index;
}

int VariableTable::AppendCreated(std::string_view name, double value, char entry_origin)
{
    const bool elsewhere = Find(name, 0, count_) >= 0;
    const int index = AppendEntry(name, value, entry_origin);
    if (index >= 0 && elsewhere) {
        Changed();
        ++creation_changes_;
    }
    return index;
}

int VariableTable::AppendEntry(std::string_view name, double value, char entry_origin)
{
    if (Full() || name.size() > static_cast<size_t>(kNameMax))
        return -1;
    VariableEntry& entry = entries_[count_];
    entry.description[0] = '\0';
    std::memcpy(entry.name, name.data(), name.size());
    entry.name[name.size()] = '\0';
    entry.value = value;
    entry.reserved = 0;
    entry.origin = entry_origin;
    return count_++;
}

}  // namespace orvik
