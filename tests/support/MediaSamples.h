// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small real photos and videos, made at test time with ImageMagick, exiftool and ffmpeg. Each returns
// false when a tool failed.
#include <string>

namespace varnolt {

// A 16 × 16 picture in the format of the extension; `exif` are exiftool assignments written into it, such
// as "-DateTimeOriginal='2015:06:01 12:34:56'".
bool MakePhoto(const std::string& path, const std::string& exif = "");
// A tenth of a second of video in the container of the extension, with `creationTime` ("2015-06-01T10:00:00Z")
// as the container's creation time, or none.
bool MakeVideo(const std::string& path, const std::string& creationTime = "");

} // namespace varnolt
