// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Placeholders.h"

namespace varnolt {

std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '0');
        if (pattern[at] == '%' && next >= '1' && next <= '9' && number <= arguments.size()) {
            filled.append(arguments.begin()[number - 1]);
            ++at;
        } else {
            filled.push_back(pattern[at]);
        }
    }
    return filled;
}

} // namespace varnolt
