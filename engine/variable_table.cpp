#include "engine/variable_table.h"

#include <cstring>

namespace orvik {

int VariableTable::FindVariable(std::string_view name) const
{
    for (int i = 0; i < count_; ++i) {
        if (entries_[i].Name() == name)
            return i;
    }
    return -1;
}

int VariableTable::Append(std::string_view name, double value, char entry_origin)
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
