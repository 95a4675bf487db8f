// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small real photos and videos, made at test time with ImageMagick, exiftool, ffmpeg and mkvtoolnix. Each
// returns false when a tool failed.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace varnolt {

// The first of the tools that is not installed, or empty when all are.
std::string MissingTool(const std::vector<const char*>& tools);

// A 16 × 16 picture in the format of the extension; `exif` are exiftool assignments written into it, such
// as "-DateTimeOriginal='2015:06:01 12:34:56'".
bool MakePhoto(const std::string& path, const std::string& exif = "");
// An XMP sidecar holding exiftool's assignments, such as "-XMP-xmp:CreateDate='2015:06:01 08:00:00'".
bool MakeSidecar(const std::string& path, const std::string& xmp);
// A TIFF whose only folders, with the Exif DateTimeOriginal `taken`, start `offset` bytes into the file;
// the bytes before are a hole.
bool MakeFarTiff(const std::string& path, const std::string& taken, std::uint64_t offset);

// A tenth of a second of video in the container of the extension, with `creationTime`
// ("2015-06-01T10:00:00Z") as the container's creation time, or none; `options` are more of ffmpeg's output
// options.
bool MakeVideo(const std::string& path, const std::string& creationTime = "",
               const std::string& options = "");
// A Matroska file muxed by mkvmerge, its DateUTC set to `dateUtc` ("2015-06-01T10:00:00Z") by mkvpropedit.
bool MakeMkvmergeVideo(const std::string& path, const std::string& dateUtc);
// An AVI with a chunk `id` ("IDIT") of `text` added to its header list, as cameras write it.
bool MakeAviWithChunk(const std::string& path, const std::string& id, const std::string& text);
// A second of H.264 in an MPEG transport stream (".mts"; 192-byte packets for ".m2ts") whose frames carry
// the camcorder user data "MDPM" with these entries (no zero byte: they pass through a command line).
bool MakeCamcorderVideo(const std::string& path, const std::string& mdpmEntries);

// The dates exiftool reads from each file of `folder` (embedded documents too), by file name, then by
// "Group:Tag" ("ExifIFD:DateTimeOriginal", "Keys:CreationDate") as exiftool writes the value.
using ExiftoolDates = std::map<std::string, std::map<std::string, std::string>>;
ExiftoolDates ReadExiftoolDates(const std::string& folder);

} // namespace varnolt
