// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a deterministic corpus for the benchmarks: N files in nested folders, a realistic mix of about
// thirty extensions, mostly small files with a few large sparse ones, modification times spread over
// ten years, names with spaces and non-ASCII letters. The same N and seed give the same corpus.
//
//   make_corpus DIR MANIFEST N [SEED]
//   make_corpus --one-name|--one-day DIR MANIFEST N
//
// The second form writes N small files of one day, one in each of N folders ("Camera 1/" ...), all
// named "IMG_0001.jpg" (--one-name, as from many cameras) or each its own name (--one-day): the same
// category for all of them, with and without the numbering of taken names.
#include "BenchSupport.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() { // splitmix64: the same sequence on every platform
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint64_t Below(std::uint64_t n) { return Next() % n; }
    std::uint64_t Between(std::uint64_t low, std::uint64_t high) { return low + Below(high - low + 1); }

  private:
    std::uint64_t state_;
};

struct Kind {
    const char* Extension;
    int Weight; // per thousand files
    const char* Stem;
};

// Roughly what a home folder of photos, music, videos, documents and some code holds.
const Kind kKinds[] = {
    {"jpg", 220, "IMG_"},           {"JPG", 40, "DSC "},
    {"png", 80, "Bildschirmfoto "}, {"heic", 40, "IMG_"},
    {"gif", 15, "anim "},           {"mp3", 70, "Chanson – piste "},
    {"flac", 20, "Track "},         {"m4a", 15, "Sprachmemo "},
    {"wav", 10, "Aufnahme "},       {"mp4", 45, "VID_"},
    {"mov", 25, "Clip "},           {"mkv", 8, "Film "},
    {"avi", 7, "old video "},       {"pdf", 60, "Rechnung "},
    {"docx", 40, "Résumé "},        {"doc", 15, "Brief an Müller "},
    {"xlsx", 20, "Budget "},        {"pptx", 10, "Présentation "},
    {"txt", 50, "notes "},          {"md", 20, "README "},
    {"html", 10, "page "},          {"csv", 20, "export "},
    {"json", 20, "config "},        {"zip", 20, "archive "},
    {"tar.gz", 10, "backup "},      {"iso", 2, "disk "},
    {"exe", 5, "setup "},           {"py", 25, "script "},
    {"cpp", 12, "main "},           {"h", 10, "header "},
    {"log", 20, "server "},         {"svg", 10, "icône "},
    {"psd", 6, "Entwurf "},
};

const char* const kFolderWords[] = {
    "Photos",        "Urlaub 2019",    "Été à Nice",    "Документы", "家族の写真",
    "Work Projects", "Müller & Söhne", "Señor García",  "misc",      "Backup (old)",
    "Musik",         "Downloads",      "Überweisungen", "École",
};

const Kind& PickKind(Random& random) {
    int total = 0;
    for (const auto& kind : kKinds)
        total += kind.Weight;
    int pick = static_cast<int>(random.Below(static_cast<std::uint64_t>(total)));
    for (const auto& kind : kKinds) {
        if (pick < kind.Weight) return kind;
        pick -= kind.Weight;
    }
    return kKinds[0];
}

// Mostly small, a long thin tail.
std::uint64_t PickSmallSize(Random& random) {
    const auto bucket = random.Below(100);
    if (bucket < 75) return random.Between(64, 4096);
    if (bucket < 97) return random.Between(4097, 32768);
    return random.Between(32769, 262144);
}

[[noreturn]] void Die(const std::string& what) {
    std::cerr << "make_corpus: " << what << ": " << std::strerror(errno) << '\n';
    std::exit(1);
}

void WriteFile(const std::string& path, std::uint64_t id, std::uint64_t size, bool sparse,
               std::int64_t mtime) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) Die(path);
    std::string content = bench::IdentityHeader(id);
    if (!sparse) {
        content.reserve(size);
        while (content.size() < size)
            content.push_back(static_cast<char>('a' + (content.size() * 7 + id) % 26));
        content.resize(size);
    }
    if (write(fd, content.data(), content.size()) != static_cast<ssize_t>(content.size())) Die(path);
    if (sparse && ftruncate(fd, static_cast<off_t>(size)) != 0) Die(path);
    const timespec times[2] = {{mtime, 0}, {mtime, 0}};
    if (futimens(fd, times) != 0) Die(path);
    close(fd);
}

} // namespace

static int WriteOneDayCorpus(const std::string& root, const std::string& manifestPath, std::uint64_t count,
                             bool oneName) {
    if (mkdir(root.c_str(), 0755) != 0) Die(root);
    const std::int64_t noon =
        1592222400; // 2020-06-15 12:00 UTC: the same day in every time zone but the farthest
    std::vector<bench::ManifestEntry> manifest;
    for (std::uint64_t id = 0; id < count; ++id) {
        const std::string folder = "Camera " + std::to_string(id + 1) + "/";
        if (mkdir((root + "/" + folder).c_str(), 0755) != 0) Die(root + "/" + folder);
        const std::string name = oneName ? "IMG_0001.jpg" : "IMG_" + std::to_string(100000 + id) + ".jpg";
        const std::uint64_t size = 512;
        WriteFile(root + "/" + folder + name, id, size, false, noon);
        manifest.push_back({id, size, noon, folder + name});
    }
    bench::WriteManifest(manifestPath, manifest);
    std::cout << count << " files of one day" << (oneName ? ", all of one name\n" : "\n");
    return 0;
}

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if ((mode == "--one-name" || mode == "--one-day") && argc == 5)
        return WriteOneDayCorpus(argv[2], argv[3], std::strtoull(argv[4], nullptr, 10), mode == "--one-name");
    if (argc < 4) {
        std::cerr
            << "usage: make_corpus DIR MANIFEST N [SEED] | make_corpus --one-name|--one-day DIR MANIFEST N\n";
        return 2;
    }
    const std::string root = std::string(argv[1]) + "/";
    const std::string manifestPath = argv[2];
    const std::uint64_t count = std::strtoull(argv[3], nullptr, 10);
    Random random(argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 20261209);
    if (mkdir(argv[1], 0755) != 0) Die(argv[1]);

    // Folders: each hangs below an earlier one, at most five levels deep; about forty files each.
    struct Folder {
        std::string Path; // relative, ends with "/" unless it is the root
        int Depth;
    };
    std::vector<Folder> folders = {{"", 0}};
    const std::uint64_t folderCount = std::max<std::uint64_t>(1, count / 40);
    for (std::uint64_t i = 1; i < folderCount; ++i) {
        const Folder* parent = &folders[random.Below(folders.size())];
        while (parent->Depth >= 5)
            parent = &folders[random.Below(folders.size())];
        const auto& word = kFolderWords[random.Below(std::size(kFolderWords))];
        Folder folder{parent->Path + word + " " + std::to_string(i) + "/", parent->Depth + 1};
        if (mkdir((root + folder.Path).c_str(), 0755) != 0) Die(root + folder.Path);
        folders.push_back(std::move(folder));
    }

    const std::int64_t from = 1420070400; // 2015-01-01 UTC
    const std::int64_t span = 10ll * 365 * 86400;
    const std::uint64_t largeCount = 1 + count / 40000;
    std::vector<bench::ManifestEntry> manifest;
    manifest.reserve(count);
    for (std::uint64_t id = 0; id < count; ++id) {
        const bool large = id % (count / largeCount + 1) == count / largeCount / 2;
        const Kind& kind = PickKind(random);
        // Large files are 64 to 256 MiB; in a small smoke corpus 8 to 32 MiB.
        const int largeShift = count >= 10000 ? 20 : 17;
        const std::uint64_t size = large ? random.Between(64, 256) << largeShift : PickSmallSize(random);
        const std::int64_t mtime = from + static_cast<std::int64_t>(random.Below(span));
        const Folder& folder = folders[random.Below(folders.size())];
        // The serial keeps names unique, so that tools which refuse a taken name are compared fairly.
        const std::string name = std::string(kind.Stem) + std::to_string(100000 + id) + "." + kind.Extension;
        WriteFile(root + folder.Path + name, id, size, large, mtime);
        manifest.push_back({id, size, mtime, folder.Path + name});
    }
    bench::WriteManifest(manifestPath, manifest);
    std::cout << count << " files in " << folders.size() << " folders, " << largeCount
              << " of them large and sparse\n";
    return 0;
}
