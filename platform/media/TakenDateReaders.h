// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The readers behind LibraryEmbeddedDates, over bytes rather than paths, so that they can be driven by a
// fuzzer as well as by files.
#include "platform/EmbeddedDates.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace varnolt::media {

// At most this much of a photo is shown to the Exif reader in the program's own process, and at most this
// much of a video is read for its container's header: the dates sit near the start, and a corrupt length
// must not make either library allocate or read a whole large file. A TIFF-based raw that is larger is
// read whole, but in the reader's child process, under its limits.
inline constexpr std::size_t kPhotoViewCap = 32u << 20;
inline constexpr std::uint64_t kVideoReadCap = 16u << 20;
// A sidecar is a few kilobytes of text; a larger one is not read.
inline constexpr std::size_t kSidecarCap = 1u << 20;

// Up to `size` bytes of the file from `offset` into `buffer`; the count read, 0 at its end or on an error.
using ReadAt = std::function<std::size_t(std::uint64_t offset, std::uint8_t* buffer, std::size_t size)>;

// The photo's Exif DateTimeOriginal (in the Exif folder, else in the first image's), else its
// DateTimeDigitized, with their zones; else the XMP dates in the file. The bytes are the file's start.
std::optional<TakenDate> ExifTakenDate(const std::uint8_t* data, std::size_t size);
// An XMP packet's exif:DateTimeOriginal, else xmp:CreateDate, else photoshop:DateCreated, with its zone.
std::optional<TakenDate> XmpTakenDate(std::string_view packet);
// A JPEG's bytes up to its image data, all its segments (Exif and XMP among them), read into `head`: a
// small read costs less than the page-table work of a mapping. False when the file is not a JPEG or its
// segments are not in order within the cap.
bool ReadJpegHead(const ReadAt& read, std::uint64_t fileSize, std::vector<std::uint8_t>& head);
// Whether the bytes start like a TIFF (the raws built on it included), whose folders may lie anywhere.
bool IsTiffBased(const std::uint8_t* data, std::size_t size);

// The creation date of a video of `fileSize` bytes, reading at most `readCap`: an Apple capture date, else
// the container's date (MP4, QuickTime, Matroska, AVI), else a camcorder's recording date (AVCHD).
// `parser` names the library's parser that the file's name calls for ("Mpeg4", "Mk", "Riff", "MpegTs"):
// tried alone first, then every parser when it does not take the bytes.
std::optional<TakenDate> ContainerTakenDate(const ReadAt& read, std::uint64_t fileSize,
                                            std::uint64_t readCap = kVideoReadCap,
                                            const char* parser = nullptr);

// Sets up the libraries' tables once, so that each read (in a child process) does not.
void PrepareReaders();

// A date as the formats write it: "2015:06:01 12:34:56" (Exif), "2015-06-01T08:00:00+09:00" (XMP, Apple),
// "2015-06-01 10:00:00 UTC" or "UTC 2015-06-01 10:00:00" (containers), "2015:06:01" (midnight). A wall
// clock, with its zone where the text has one, or a UTC moment. Empty without a whole date.
std::optional<TakenDate> ParseTakenText(std::string_view text);
// A date of XMP or an Apple capture date: as ParseTakenText, but its "Z" is the zone +00:00 of a clock as
// written, like any other zone it could carry, not a moment to be shown in this machine's zone.
std::optional<TakenDate> ParseClockText(std::string_view text);
// "+02:00", "-0530", "+09": minutes east of UTC.
std::optional<int> ParseZoneOffset(std::string_view text);

} // namespace varnolt::media
