// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The events of a command for scripts: one JSON object a line.
#include "engine/Host.h"

#include <string>

namespace varnolt::cli {

// {"event":"placed","source":...,"category":...,"destination":...} and a line break. A text that is not
// valid UTF-8 is written as {"base64":"..."} holding its bytes, so that it is told apart from a string
// and restored.
std::string PlacedLine(const ItemPlaced& item);
std::string SkippedLine(const ItemSkipped& item);
std::string FailedLine(const ItemFailed& item);
std::string EndLine(const CommandEnded& end);

} // namespace varnolt::cli
