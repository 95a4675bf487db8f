// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dates read straight from the boxes of the common containers, without the container library: it tries
// each of its formats and builds every stream's figures, which costs far more than the dates' few bytes.
#include "platform/media/TakenDateReaders.h"

namespace varnolt::media {

// An MP4 or QuickTime file's Apple capture date (moov/meta keys), else its movie header's creation time.
std::optional<TakenDate> QuickTimeTakenDate(const ReadAt& read, std::uint64_t fileSize,
                                            std::uint64_t readCap);
// An AVI file's IDIT (the camera's clock), else its ICRD.
std::optional<TakenDate> AviTakenDate(const ReadAt& read, std::uint64_t fileSize, std::uint64_t readCap);
// A Matroska or WebM file's segment DateUTC.
std::optional<TakenDate> MatroskaTakenDate(const ReadAt& read, std::uint64_t fileSize, std::uint64_t readCap);

} // namespace varnolt::media
