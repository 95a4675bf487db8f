// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the outcome of one benchmark job against the corpus manifest: no file lost, none overwritten
// (every file's identity header is found exactly once, with its size and modification time), each in the
// folder its method gives, and the source left as the mode demands.
//
//   verify_sort MANIFEST SOURCE RESULT LAYOUT [copy]
//       LAYOUT: date | date-padded | type | size | number:MAX:NAME | restored
//   verify_sort preview MANIFEST TREEFILE
#include "BenchSupport.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace fs = std::filesystem;

namespace {

class Report {
  public:
    void Fault(const std::string& text) {
        if (++faults_ <= 10) std::cerr << "verify_sort: " << text << '\n';
    }
    int Finish(std::size_t files, const std::string& layout) const {
        if (faults_ > 0) {
            std::cerr << "verify_sort: " << faults_ << " faults (" << layout << ")\n";
            return 1;
        }
        std::cout << "verified " << files << " files (" << layout << ")\n";
        return 0;
    }

  private:
    int faults_ = 0;
};

std::string NameOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

std::string LowerExtension(const std::string& name) {
    std::string extension = name.substr(name.rfind('.') + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return extension;
}

// The five groups with their usual lists, every type in a folder of its own.
std::string TypeFolder(const std::string& name) {
    static const std::pair<const char*, const char*> groups[] = {
        {"Music files", "mp3;wma;wav;mid;midi;ac3;ape;ram"},
        {"Image files", "bmp;jpg;jpeg;gif;tif;tiff;png;psd;ico"},
        {"Vedio files", "avi;mpg;mpeg;asf;wmv;rm;rmvb;mkv;vob"},
        {"Program files", "exe;rar;zip;iso;chm"},
        {"Document file", "txt;doc;pdf;xls;ppt;pps;htm;html;mht"},
    };
    const std::string extension = LowerExtension(name);
    for (const auto& [folder, list] : groups)
        if ((";" + std::string(list) + ";").find(";" + extension + ";") != std::string::npos)
            return std::string(folder) + "/" + extension;
    return extension;
}

std::string SizeFolder(std::uint64_t size) { // a step of 100 KB
    const std::uint64_t q = size / 102400;
    return std::to_string(100 * q) + "KB-" + std::to_string(100 * (q + 1)) + "KB";
}

struct FileFacts {
    std::uint64_t Id = 0;
    std::uint64_t Size = 0;
    std::int64_t ModifyTime = 0;
};

bool ReadFacts(const std::string& path, FileFacts& facts) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info;
    char head[bench::kIdentityHeaderMax];
    const ssize_t length = fstat(fd, &info) == 0 ? read(fd, head, sizeof head) : -1;
    close(fd);
    facts.Size = static_cast<std::uint64_t>(info.st_size);
    facts.ModifyTime = info.st_mtim.tv_sec;
    return length > 0 && bench::ParseIdentityHeader(head, static_cast<std::size_t>(length), facts.Id);
}

bool Matches(const FileFacts& facts, const bench::ManifestEntry& entry) {
    return facts.Id == entry.Id && facts.Size == entry.Size && facts.ModifyTime == entry.ModifyTime;
}

std::vector<fs::path> RegularFilesBelow(const fs::path& root, std::size_t* folders = nullptr) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file())
            files.push_back(it->path());
        else if (folders && it->is_directory())
            ++*folders;
    }
    return files;
}

// Every file at its place in the corpus.
void CheckInPlace(const std::vector<bench::ManifestEntry>& manifest, const std::string& source,
                  Report& report) {
    for (const auto& entry : manifest) {
        FileFacts facts;
        if (!ReadFacts(source + entry.RelativePath, facts) || !Matches(facts, entry))
            report.Fault("not in its place: " + entry.RelativePath);
    }
}

class NumberedFolders {
  public:
    explicit NumberedFolders(const std::string& spec) { // "MAX:NAME"
        max_ = std::stoul(spec.substr(0, spec.find(':')));
        name_ = spec.substr(spec.find(':') + 1);
    }
    bool Accept(const std::string& folder) {
        int serial = 0;
        if (folder != name_) {
            const std::string prefix = name_ + " (";
            if (!folder.starts_with(prefix) || !folder.ends_with(")")) return false;
            serial = std::stoi(folder.substr(prefix.size(), folder.size() - prefix.size() - 1));
        }
        ++counts_[serial];
        return true;
    }
    // Every folder but the last is full, none holds more.
    void Check(Report& report) const {
        int expected = 0;
        for (const auto& [serial, count] : counts_) {
            if (serial != expected++)
                report.Fault("numbered folder missing before serial " + std::to_string(serial));
            const bool last = serial == counts_.rbegin()->first;
            if (count > max_ || (!last && count != max_))
                report.Fault("folder serial " + std::to_string(serial) + " holds " + std::to_string(count));
        }
    }

  private:
    std::size_t max_ = 0;
    std::string name_;
    std::map<int, std::size_t> counts_;
};

int VerifyResult(const std::vector<bench::ManifestEntry>& manifest, std::string source, std::string result,
                 const std::string& layout, bool copy) {
    Report report;
    if (source.back() != '/') source += '/';
    std::vector<const bench::ManifestEntry*> byId(manifest.size());
    for (const auto& entry : manifest)
        byId.at(entry.Id) = &entry;
    std::vector<bool> seen(manifest.size());
    std::optional<NumberedFolders> numbered;
    if (layout.starts_with("number:")) numbered.emplace(layout.substr(7));

    std::size_t folders = 0;
    for (const auto& path : RegularFilesBelow(result, &folders)) {
        const std::string relative = fs::relative(path, result).string();
        FileFacts facts;
        if (!ReadFacts(path, facts) || facts.Id >= manifest.size()) {
            report.Fault("a file that is not from the corpus: " + relative);
            continue;
        }
        const auto& entry = *byId[facts.Id];
        if (seen[facts.Id]) report.Fault("found twice: " + entry.RelativePath);
        seen[facts.Id] = true;
        if (!Matches(facts, entry))
            report.Fault("changed: " + relative + " (was " + entry.RelativePath + ")");
        const std::string folder =
            relative.substr(0, relative.rfind('/') == std::string::npos ? 0 : relative.rfind('/'));
        const std::string name = NameOf(entry.RelativePath);
        std::string expected;
        if (layout == "date" || layout == "date-padded")
            expected = bench::DayFolder(entry.ModifyTime, layout != "date");
        else if (layout == "type")
            expected = TypeFolder(name);
        else if (layout == "size")
            expected = SizeFolder(entry.Size);
        if (numbered ? !numbered->Accept(folder) : folder != expected)
            report.Fault("in the wrong folder: " + relative +
                         (expected.empty() ? "" : ", expected " + expected));
    }
    if (numbered) numbered->Check(report);

    if (layout == "restored") {
        CheckInPlace(manifest, source, report);
        if (folders > 0) report.Fault(std::to_string(folders) + " folders left in the result location");
    } else {
        for (const auto& entry : manifest)
            if (!seen[entry.Id]) report.Fault("lost: " + entry.RelativePath);
        if (copy)
            CheckInPlace(manifest, source, report);
        else if (const auto left = RegularFilesBelow(source); !left.empty())
            report.Fault(std::to_string(left.size()) + " files left in the source, e.g. " +
                         left.front().string());
    }
    return report.Finish(manifest.size(), layout);
}

// The tree of a preview by date: root, day folders, item names.
int VerifyPreview(const std::vector<bench::ManifestEntry>& manifest, const std::string& treeFile) {
    Report report;
    std::unordered_map<std::string, const bench::ManifestEntry*> byName;
    for (const auto& entry : manifest)
        byName[NameOf(entry.RelativePath)] = &entry;
    std::ifstream in(treeFile, std::ios::binary);
    std::string line, day;
    std::size_t items = 0, lines = 0;
    while (std::getline(in, line)) {
        const std::size_t indent = line.find_first_not_of(' ');
        const std::string text = line.substr(indent == std::string::npos ? line.size() : indent);
        if (lines++ == 0 ? indent != 0 : indent != 2 && indent != 4) report.Fault("badly indented: " + line);
        if (indent == 2) day = text;
        if (indent != 4) continue;
        ++items;
        const auto found = byName.find(text);
        if (found == byName.end())
            report.Fault("unknown item: " + text);
        else if (bench::DayFolder(found->second->ModifyTime, false) != day)
            report.Fault(text + " shown under " + day);
    }
    if (items != manifest.size())
        report.Fault("the tree shows " + std::to_string(items) + " items of " +
                     std::to_string(manifest.size()));
    return report.Finish(items, "preview");
}

} // namespace

int main(int argc, char** argv) {
    std::vector<bench::ManifestEntry> manifest;
    const bool preview = argc == 4 && std::string(argv[1]) == "preview";
    if (!preview && argc != 5 && argc != 6) {
        std::cerr << "usage: verify_sort MANIFEST SOURCE RESULT LAYOUT [copy]\n       verify_sort preview "
                     "MANIFEST TREEFILE\n";
        return 2;
    }
    const char* manifestPath = preview ? argv[2] : argv[1];
    if (!bench::ReadManifest(manifestPath, manifest)) {
        std::cerr << "verify_sort: cannot read " << manifestPath << '\n';
        return 2;
    }
    if (preview) return VerifyPreview(manifest, argv[3]);
    return VerifyResult(manifest, argv[2], argv[3], argv[4], argc == 6 && std::string(argv[5]) == "copy");
}
