// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plan of a preview for scripts: one JSON object a line per placed item.
#include <string>

namespace varnolt::cli {

// {"source":...,"category":...,"destination":...} and a line break. A text that is not valid UTF-8 is
// written as {"base64":"..."} holding its bytes, so that it is told apart from a string and restored.
std::string PlanLine(const std::string& source, const std::string& category, const std::string& destination);

// Where a preview places an item: in its category below the result location, or the category and name
// alone when there is no result location.
std::string PlannedDestination(const std::string& resultLocation, const std::string& category,
                               const std::string& source);

} // namespace varnolt::cli
