// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/EmbeddedDates.h"

#include <map>
#include <string>
#include <vector>

namespace varnolt {

// Dates taken by path; every path asked for is recorded.
class FakeEmbeddedDates : public EmbeddedDates {
  public:
    std::map<std::string, TakenDate> Dates;
    std::vector<std::string> Asked;

    std::optional<TakenDate> ReadTakenDate(const std::string& path) override {
        Asked.push_back(path);
        const auto found = Dates.find(path);
        if (found == Dates.end()) return std::nullopt;
        return found->second;
    }
};

} // namespace varnolt
