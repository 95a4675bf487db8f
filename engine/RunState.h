// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// RunState: the process-wide state of the current or last command. Each command resets it at its start
// and leaves its values behind.
#include "engine/RunJournal.h"

#include <cstdint>
#include <string>

namespace varnolt {

struct RunState {
    bool StopRequested = false;
    bool PreviewMode = false;
    std::int32_t ItemCount = 0;
    std::int32_t TransferredCount = 0;
    std::int32_t FolderFillCount = 0;
    std::int32_t FolderSerial = 0;
    std::int32_t NewCategoryCount = 0;
    std::int64_t SizeStepBytes = 0;
    std::string ResultRoot;
    RunJournal UndoJournal;
    bool UndoInProgress = false;
};

} // namespace varnolt
