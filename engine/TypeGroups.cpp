// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TypeGroups.h"

#include "engine/Text.h"

namespace varnolt {

const TypeGroupInfo* FindTypeGroup(std::string_view key) {
    for (const TypeGroupInfo& group : kTypeGroups)
        if (key == group.Key) return &group;
    return nullptr;
}

std::string NormaliseGroupTypes(std::string_view text) {
    std::string joined;
    joined.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        joined += text[i];
        if (text[i] == ';' && i + 1 < text.size() && text[i + 1] == '.') ++i;
    }
    return LowerAllLetters(joined);
}

} // namespace varnolt
