// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// varnolt-cli's own texts beside the engine's. They share the engine's context, so that the one
// translator of the engine's texts gives them too.
#include "engine/Messages.h"

namespace varnolt::cli::Texts {

// An item that was not placed. %1: its path; %2: why.
inline constexpr const char* NotMoved = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "not moved: %1: %2");
inline constexpr const char* NotCopied = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "not copied: %1: %2");
inline constexpr const char* NotPutBack = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "not put back: %1: %2");
inline constexpr const char* NotPlaced = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "not placed: %1: %2");
// The answer given to a question of the engine, after it.
inline constexpr const char* Yes = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Yes");
inline constexpr const char* No = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "No");
// The rate at the end of the progress line. %1: items a second.
inline constexpr const char* ItemsPerSecond = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "%1 items/s");
// %1: the data folder; %2: the reason.
inline constexpr const char* DataFolderUnmade =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "cannot create the data folder %1: %2");

// Usage errors, after "varnolt-cli: " and before UsageHint.
inline constexpr const char* UsageHint =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Run with --help for more information.");
inline constexpr const char* OneCommandNeeded =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "exactly one of --preview, --run and --undo is needed");
// %1: the file; %2: the reason.
inline constexpr const char* WordListUnreadable =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "cannot read the word list %1: %2");
// %1: the option.
inline constexpr const char* FolderListExpected =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "%1: expected FOLDER=LIST");
// %1: the group names, comma-separated.
inline constexpr const char* GroupListExpected =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "--group-list: expected NAME=LIST with NAME one of %1");

} // namespace varnolt::cli::Texts
