// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TypeGroups.h"

namespace varnolt {

std::string JoinOtherGroup(const std::string& folder, const std::string& types) {
    return folder + " " + types;
}

OtherGroupText SplitOtherGroup(const std::string& stored) {
    const auto space = stored.find(' ');
    if (space == std::string::npos) return {"", stored};
    return {stored.substr(0, space), stored.substr(space + 1)};
}

} // namespace varnolt
