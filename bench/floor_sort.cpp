// SPDX-License-Identifier: GPL-3.0-or-later
// The floor: the same job as a run by date with the fewest system calls we know of, as the yardstick
// for the real program. Per file one stat and one renameat2 (or, copying, an exclusive create, a
// copy_file_range loop and the mode and times); one mkdir per new day folder; the journal is appended
// through a large buffer. Undo: per pair one stat and one renameat2 back, then one rmdir per day folder.
// Never overwrites: a taken name gets "(n)" before its extension, as the program does.
//
//   floor_sort move|copy SOURCE RESULT JOURNAL
//   floor_sort undo JOURNAL
#include "BenchSupport.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <iostream>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>

namespace {

[[noreturn]] void Die(const std::string& what) {
    std::cerr << "floor_sort: " << what << ": " << std::strerror(errno) << '\n';
    std::exit(1);
}

std::string Numbered(const std::string& name, int n) {
    const auto dot = name.rfind('.');
    const auto stem = dot == std::string::npos || dot == 0 ? name.size() : dot;
    return name.substr(0, stem) + "(" + std::to_string(n) + ")" + name.substr(stem);
}

class Sorter {
  public:
    Sorter(bool copy, const std::string& result, FILE* journal)
        : copy_(copy), result_(result), journal_(journal) {
        resultFd_ = open(result.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (resultFd_ < 0) Die(result);
    }

    void Walk(int parentFd, const std::string& path, const char* name) {
        const int fd = openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) Die(path);
        DIR* dir = fdopendir(fd);
        if (!dir) Die(path);
        while (const dirent* entry = readdir(dir)) {
            const std::string entryName = entry->d_name;
            if (entryName == "." || entryName == "..") continue;
            if (entry->d_type == DT_DIR)
                Walk(fd, path + entryName + "/", entry->d_name);
            else if (entry->d_type == DT_REG)
                Place(fd, path, entryName);
        }
        closedir(dir);
    }

  private:
    void Place(int dirFd, const std::string& folder, const std::string& name) {
        struct stat info;
        int sourceFd = -1;
        if (copy_) {
            sourceFd = openat(dirFd, name.c_str(), O_RDONLY | O_CLOEXEC);
            if (sourceFd < 0 || fstat(sourceFd, &info) != 0) Die(folder + name);
        } else if (fstatat(dirFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            Die(folder + name);
        }
        const std::string day = bench::DayFolder(info.st_mtim.tv_sec, false);
        if (madeDays_.insert(day).second && mkdirat(resultFd_, day.c_str(), 0777) != 0 && errno != EEXIST)
            Die(result_ + day);
        std::string target = day + "/" + name;
        for (int n = 1; !(copy_ ? CopyOnce(sourceFd, info, target) : MoveOnce(dirFd, name, target)); ++n) {
            if (errno != EEXIST) Die(folder + name);
            target = day + "/" + Numbered(name, n);
        }
        if (copy_) close(sourceFd);
        std::fprintf(journal_, "%s%s\n%s%s\n", folder.c_str(), name.c_str(), result_.c_str(), target.c_str());
    }

    bool MoveOnce(int dirFd, const std::string& name, const std::string& target) {
        return renameat2(dirFd, name.c_str(), resultFd_, target.c_str(), RENAME_NOREPLACE) == 0;
    }

    bool CopyOnce(int sourceFd, const struct stat& info, const std::string& target) {
        const int fd = openat(resultFd_, target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) return false;
        off_t offset = 0;
        while (offset < info.st_size) {
            const ssize_t copied = copy_file_range(sourceFd, &offset, fd, nullptr, info.st_size - offset, 0);
            if (copied <= 0) Die(result_ + target);
        }
        const timespec times[2] = {info.st_atim, info.st_mtim};
        if (fchmod(fd, info.st_mode & 07777) != 0 || futimens(fd, times) != 0) Die(result_ + target);
        close(fd);
        return true;
    }

    bool copy_;
    std::string result_;
    FILE* journal_;
    int resultFd_;
    std::unordered_set<std::string> madeDays_;
};

int Sort(bool copy, std::string source, std::string result, const char* journalPath) {
    if (source.back() != '/') source += '/';
    if (result.back() != '/') result += '/';
    mkdir(result.c_str(), 0777);
    FILE* journal = std::fopen(journalPath, "w");
    if (!journal) Die(journalPath);
    static char buffer[1 << 20];
    std::setvbuf(journal, buffer, _IOFBF, sizeof buffer);
    std::fprintf(journal, copy ? "Copy Mode\n" : "Move Mode\n");
    Sorter(copy, result, journal).Walk(AT_FDCWD, source, source.c_str());
    if (std::fclose(journal) != 0) Die(journalPath);
    return 0;
}

int Undo(const char* journalPath) {
    FILE* journal = std::fopen(journalPath, "r");
    if (!journal) Die(journalPath);
    char* line = nullptr;
    size_t capacity = 0;
    auto next = [&](std::string& text) {
        const ssize_t length = getline(&line, &capacity, journal);
        if (length <= 0) return false;
        text.assign(line, static_cast<std::size_t>(length - 1));
        return true;
    };
    std::string mode, source, destination;
    next(mode);
    const bool copy = mode == "Copy Mode";
    std::set<std::string> folders;
    while (next(source) && next(destination)) {
        struct stat info;
        if (stat(destination.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        if (copy)
            unlink(destination.c_str());
        else if (renameat2(AT_FDCWD, destination.c_str(), AT_FDCWD, source.c_str(), RENAME_NOREPLACE) != 0)
            continue;
        folders.insert(destination.substr(0, destination.rfind('/')));
    }
    for (const auto& folder : folders)
        rmdir(folder.c_str());
    std::free(line);
    std::fclose(journal);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if ((command == "move" || command == "copy") && argc == 5)
        return Sort(command == "copy", argv[2], argv[3], argv[4]);
    if (command == "undo" && argc == 3) return Undo(argv[2]);
    std::cerr << "usage: floor_sort move|copy SOURCE RESULT JOURNAL\n       floor_sort undo JOURNAL\n";
    return 2;
}
