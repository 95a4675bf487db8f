// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the corpus generator, the floor and the verifier agree on: the manifest, the identity header at
// the start of every corpus file, and the date folder names. Deliberately independent of the engine, so
// that verifying its results is not the engine checking itself.
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace bench {

// Every corpus file begins with this line, which tells the verifier which file it is.
inline std::string IdentityHeader(std::uint64_t id) {
    return "VNB " + std::to_string(id) + "\n";
}
inline constexpr std::size_t kIdentityHeaderMax = 32;

inline bool ParseIdentityHeader(const char* bytes, std::size_t size, std::uint64_t& id) {
    if (size < 5 || bytes[0] != 'V' || bytes[1] != 'N' || bytes[2] != 'B' || bytes[3] != ' ') return false;
    id = 0;
    std::size_t i = 4;
    for (; i < size && bytes[i] >= '0' && bytes[i] <= '9'; ++i)
        id = id * 10 + static_cast<unsigned>(bytes[i] - '0');
    return i > 4 && i < size && bytes[i] == '\n';
}

struct ManifestEntry {
    std::uint64_t Id = 0;
    std::uint64_t Size = 0;
    std::int64_t ModifyTime = 0; // seconds since the epoch
    std::string RelativePath;    // below the corpus root, "/" between levels
};

// One entry a line: id, size, modification time and path, separated by tabs (no corpus name holds one).
inline void WriteManifest(const std::string& path, const std::vector<ManifestEntry>& entries) {
    std::ofstream out(path, std::ios::binary);
    for (const auto& e : entries)
        out << e.Id << '\t' << e.Size << '\t' << e.ModifyTime << '\t' << e.RelativePath << '\n';
}

inline bool ReadManifest(const std::string& path, std::vector<ManifestEntry>& entries) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        ManifestEntry e;
        if (!(fields >> e.Id >> e.Size >> e.ModifyTime)) return false;
        fields.get(); // the tab before the path
        std::getline(fields, e.RelativePath);
        entries.push_back(std::move(e));
    }
    return true;
}

// The day a file was last written, in local time: "2011-3-7", or "2011-03-07" as strftime's %Y-%m-%d.
inline std::string DayFolder(std::int64_t modifyTime, bool padded) {
    const std::time_t t = static_cast<std::time_t>(modifyTime);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::snprintf(text, sizeof text, padded ? "%04d-%02d-%02d" : "%d-%d-%d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday);
    return text;
}

} // namespace bench
