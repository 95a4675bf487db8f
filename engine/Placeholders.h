// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbered placeholders of the program's texts.
#include <initializer_list>
#include <string>
#include <string_view>

namespace varnolt {

// The pattern with each "%1" ... "%9" replaced by that argument, in one pass: an argument holding "%2"
// (a file name may) is kept as it is. A placeholder without an argument stays.
std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> arguments);

} // namespace varnolt
