// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MediaSamples.h"

#include <cstdlib>

namespace varnolt {

namespace {

bool Succeeds(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

} // namespace

bool MakePhoto(const std::string& path, const std::string& exif) {
    if (!Succeeds("convert -size 16x16 xc:red " + Quoted(path))) return false;
    return exif.empty() || Succeeds("exiftool -q -overwrite_original " + exif + " " + Quoted(path));
}

bool MakeVideo(const std::string& path, const std::string& creationTime) {
    // 128 × 96 is a picture size that every container's default codec takes, 3GP's H.263 included.
    const std::string metadata = creationTime.empty() ? "" : " -metadata creation_time=" + creationTime;
    return Succeeds("ffmpeg -nostdin -v error -y -f lavfi -i color=c=red:s=128x96:d=0.1" + metadata + " " +
                    Quoted(path));
}

} // namespace varnolt
