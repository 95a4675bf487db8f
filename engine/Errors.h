// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's own reasons for not handling an item, beside the system's errno values.
#include <string>
#include <system_error>

namespace varnolt {

enum class EngineError {
    LineBreakInName = 1, // the journal keeps a path a line
    NotTheItemPlaced,    // an undo found another file at the place the run put its item
    CopiedFolderStays,   // an undo leaves a folder that a run copied
    ReplacedSinceRun,    // an undo found another file than the item placed, by its identity
};

const std::error_category& EngineErrorCategory();

inline std::error_code MakeError(EngineError error) {
    return {static_cast<int>(error), EngineErrorCategory()};
}

} // namespace varnolt
