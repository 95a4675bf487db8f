// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dates taken read with Debian's libraries: libexiv2 for photos, camera raw files and XMP sidecars,
// libmediainfo for videos. The type is told by the extension; other files are not opened.
#include "platform/EmbeddedDates.h"

#include <memory>

namespace varnolt {

namespace media {
class ChildReader;
}

class LibraryEmbeddedDates final : public EmbeddedDates {
  public:
    LibraryEmbeddedDates();
    ~LibraryEmbeddedDates() override;
    std::optional<TakenDate> ReadTakenDate(const std::string& path) override;

  private:
    // Videos and large raws, read one after another in one child process.
    std::unique_ptr<media::ChildReader> reader_;
};

} // namespace varnolt
