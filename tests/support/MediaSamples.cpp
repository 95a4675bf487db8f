// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MediaSamples.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace varnolt {

namespace {

bool Succeeds(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string FfmpegVideo(const std::string& seconds) {
    // 128 × 96 is a picture size that every container's default codec takes, 3GP's H.263 included.
    return "ffmpeg -nostdin -v error -y -f lavfi -i color=c=red:s=128x96:d=" + seconds;
}

void PutLittle(std::string& bytes, std::size_t at, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
}

std::uint32_t GetLittle(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

} // namespace

std::string MissingTool(const std::vector<const char*>& tools) {
    for (const char* tool : tools)
        if (!Succeeds(std::string("command -v ") + tool)) return tool;
    return {};
}

ExiftoolDates ReadExiftoolDates(const std::string& folder) {
    ExiftoolDates dates;
    FILE* out = ::popen(
        ("exiftool -s -G1 -a -ee -time:all -api LargeFileSupport=1 " + Quoted(folder) + " 2>/dev/null")
            .c_str(),
        "r");
    if (!out) return dates;
    // "======== FOLDER/NAME", then a line "[Group] Tag : value" for each date of that file.
    std::map<std::string, std::string>* file = nullptr;
    for (char line[4096]; std::fgets(line, sizeof line, out);) {
        std::string text(line);
        if (!text.empty() && text.back() == '\n') text.pop_back();
        if (text.starts_with("======== ")) {
            file = &dates[text.substr(text.rfind('/') + 1)];
            continue;
        }
        const std::size_t close = text.find(']'), colon = text.find(" : ");
        if (!file || !text.starts_with('[') || close == std::string::npos || colon == std::string::npos)
            continue;
        std::string tag = text.substr(close + 1, colon - close - 1);
        tag.erase(0, tag.find_first_not_of(' '));
        tag.erase(tag.find_last_not_of(' ') + 1);
        (*file)[text.substr(1, close - 1) + ":" + tag] = text.substr(colon + 3);
    }
    ::pclose(out);
    return dates;
}

bool MakePhoto(const std::string& path, const std::string& exif) {
    if (!Succeeds("convert -size 16x16 xc:red " + Quoted(path))) return false;
    return exif.empty() || Succeeds("exiftool -q -overwrite_original " + exif + " " + Quoted(path));
}

bool MakeSidecar(const std::string& path, const std::string& xmp) {
    return Succeeds("exiftool -q -o " + Quoted(path) + " " + xmp);
}

bool MakeFarTiff(const std::string& path, const std::string& taken, std::uint64_t offset) {
    // Little-endian: the header, then at `offset` the first image's folder (1 × 1, one byte of grey, and
    // the pointer to the Exif folder), the Exif folder with DateTimeOriginal, the date and the pixel.
    const std::uint32_t at = static_cast<std::uint32_t>(offset);
    const std::uint32_t exifAt = at + 2 + 7 * 12 + 4, dateAt = exifAt + 2 + 12 + 4, pixelAt = dateAt + 20;
    std::string bytes = std::string("II*\0", 4) + std::string(4, '\0');
    PutLittle(bytes, 4, at, 4);
    std::string folders;
    const auto entry = [&](std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::uint32_t value) {
        std::string e(12, '\0');
        PutLittle(e, 0, tag, 2);
        PutLittle(e, 2, type, 2);
        PutLittle(e, 4, count, 4);
        PutLittle(e, 8, value, 4);
        folders += e;
    };
    folders += std::string("\x07\x00", 2);
    entry(0x0100, 3, 1, 1);       // width
    entry(0x0101, 3, 1, 1);       // length
    entry(0x0103, 3, 1, 1);       // no compression
    entry(0x0106, 3, 1, 1);       // black is zero
    entry(0x0111, 4, 1, pixelAt); // the strip
    entry(0x0117, 4, 1, 1);       // of one byte
    entry(0x8769, 4, 1, exifAt);  // the Exif folder
    folders += std::string(4, '\0');
    folders += std::string("\x01\x00", 2);
    entry(0x9003, 2, 20, dateAt);
    folders += std::string(4, '\0');
    folders += taken.substr(0, 19) + std::string(20 - std::min<std::size_t>(taken.size(), 19), '\0');
    folders += '\x80';
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.seekp(static_cast<std::streamoff>(offset));
    out << folders;
    return static_cast<bool>(out.flush());
}

bool MakeVideo(const std::string& path, const std::string& creationTime, const std::string& options) {
    const std::string metadata = creationTime.empty() ? "" : " -metadata creation_time=" + creationTime;
    return Succeeds(FfmpegVideo("0.1") + metadata + " " + options + " " + Quoted(path));
}

bool MakeMkvmergeVideo(const std::string& path, const std::string& dateUtc) {
    const std::string source = path + ".source.webm";
    const bool made =
        MakeVideo(source) && Succeeds("mkvmerge -q -o " + Quoted(path) + " " + Quoted(source)) &&
        Succeeds("mkvpropedit -q " + Quoted(path) + " --edit info --set date=" + Quoted(dateUtc));
    std::remove(source.c_str());
    return made;
}

bool MakeAviWithChunk(const std::string& path, const std::string& id, const std::string& text) {
    if (!MakeVideo(path)) return false;
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    // "RIFF" size "AVI " "LIST" size "hdrl": the chunk goes at the end of the header list, both sizes grow.
    if (bytes.size() < 24 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(12, 4, "LIST") != 0)
        return false;
    std::string chunk = id + std::string(4, '\0') + text + '\0';
    if (chunk.size() % 2) chunk += '\0';
    PutLittle(chunk, 4, static_cast<std::uint32_t>(text.size() + 1), 4);
    const std::uint32_t header = GetLittle(bytes, 16);
    bytes.insert(20 + header, chunk);
    PutLittle(bytes, 16, header + static_cast<std::uint32_t>(chunk.size()), 4);
    PutLittle(bytes, 4, GetLittle(bytes, 4) + static_cast<std::uint32_t>(chunk.size()), 4);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out.flush());
}

bool MakeCamcorderVideo(const std::string& path, const std::string& mdpmEntries) {
    // Without the encoder's own user data, so that the camcorder's comes first, as from a camcorder.
    const std::string count(1, static_cast<char>(mdpmEntries.size() / 5));
    const bool bdav = path.size() > 5 && path.compare(path.size() - 5, 5, ".m2ts") == 0;
    return Succeeds(FfmpegVideo("1") + " -c:v libx264 -bsf:v " +
                    Quoted("filter_units=remove_types=6,h264_metadata=sei_user_data=17ee8c60-f84d-11d9-8cd6-"
                           "0800200c9a66+MDPM" +
                           count + mdpmEntries) +
                    " -f mpegts" + (bdav ? " -mpegts_m2ts_mode 1 " : " ") + Quoted(path));
}

} // namespace varnolt
