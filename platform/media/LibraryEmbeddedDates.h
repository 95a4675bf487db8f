// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dates taken read with Debian's libraries: libexiv2 for photos and camera raw files, libmediainfo for
// MP4 and QuickTime videos. The type is told by the extension; other files are not opened.
#include "platform/EmbeddedDates.h"

namespace varnolt {

class LibraryEmbeddedDates final : public EmbeddedDates {
public:
    LibraryEmbeddedDates();
    std::optional<TakenDate> ReadTakenDate(const std::string& path) override;
};

} // namespace varnolt
