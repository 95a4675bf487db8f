// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's text helpers, in three pieces: UTF-8 and letters, paths as text, and placeholders.
#include "engine/PathText.h"
#include "engine/Placeholders.h"
#include "engine/Utf8.h"
