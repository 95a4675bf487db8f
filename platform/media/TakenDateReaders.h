// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two readers behind LibraryEmbeddedDates, over bytes rather than paths, so that they can be driven
// by a fuzzer as well as by files.
#include "platform/EmbeddedDates.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace varnolt::media {

// At most this much of a photo is shown to the Exif reader, and at most this much of a video is read for
// its container's header: the dates sit near the start, and a corrupt length must not make either library
// allocate or read a whole large file.
inline constexpr std::size_t kPhotoViewCap = 32u << 20;
inline constexpr std::uint64_t kVideoReadCap = 16u << 20;

// Up to `size` bytes of the file from `offset` into `buffer`; the count read, 0 at its end or on an error.
using ReadAt = std::function<std::size_t(std::uint64_t offset, std::uint8_t* buffer, std::size_t size)>;

// The photo's Exif DateTimeOriginal, else its DateTimeDigitized, with their zones; the bytes are the
// start of the file, at most kPhotoViewCap of it.
std::optional<TakenDate> ExifTakenDate(const std::uint8_t* data, std::size_t size);

// The creation date of an MP4 or QuickTime container of `fileSize` bytes, reading at most `readCap`.
std::optional<TakenDate> ContainerTakenDate(const ReadAt& read, std::uint64_t fileSize,
                                            std::uint64_t readCap = kVideoReadCap);

// Sets up the container library's tables once, so that each read (in a child process) does not.
void PrepareContainerReader();

// "2015:06:01 12:34:56" (Exif), "2015-06-01 10:00:00 UTC" or "UTC 2015-06-01 10:00:00" (containers):
// the six numbers, whatever the separators. Empty unless all six are there.
std::optional<WrittenTime> ParseWrittenTime(std::string_view text);
// "+02:00", "-05:30": minutes east of UTC.
std::optional<int> ParseZoneOffset(std::string_view text);

} // namespace varnolt::media
