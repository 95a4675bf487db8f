// SPDX-License-Identifier: GPL-3.0-or-later
#include "filesystems/Volume.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <ftw.h>
#include <linux/loop.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace varnolt::filesystems {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr std::int64_t Nanosecond = 1;
constexpr std::int64_t Second = 1'000'000'000;

std::string Reason(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

// Starts a program with its output discarded; it gets `deathSignal` when this process ends, so that no
// tool or driver outlives a killed test.
pid_t Spawn(const std::vector<std::string>& arguments, int deathSignal) {
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child != 0) return child;
    prctl(PR_SET_PDEATHSIG, deathSignal);
    if (getppid() != parent) _exit(1); // gone before the signal was set up
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

bool RunTool(const std::vector<std::string>& arguments) {
    const pid_t child = Spawn(arguments, SIGKILL);
    if (child < 0) return false;
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::uint64_t ImageSize(Kind kind) {
    constexpr std::uint64_t MiB = 1024 * 1024;
    switch (kind) {
    case Kind::Btrfs:
        return 128 * MiB; // its smallest
    case Kind::Xfs:
        return 320 * MiB; // its smallest is 300 MiB
    default:
        return 64 * MiB;
    }
}

// A loop device over `image` that detaches itself when its last user closes it; -1 when none can be had.
int AttachLoopDevice(const std::string& image, std::string& device, std::string& problem) {
    const int control = open("/dev/loop-control", O_RDWR | O_CLOEXEC);
    const int backing = open(image.c_str(), O_RDWR | O_CLOEXEC);
    int loop = -1;
    // Another process may take the free device between asking and configuring: ask again.
    for (int attempt = 0; control >= 0 && backing >= 0 && attempt < 20 && loop < 0; ++attempt) {
        const int number = ioctl(control, LOOP_CTL_GET_FREE);
        if (number < 0) break;
        device = "/dev/loop" + std::to_string(number);
        loop = open(device.c_str(), O_RDWR | O_CLOEXEC);
        if (loop < 0) continue;
        loop_config config{};
        config.fd = static_cast<unsigned>(backing);
        config.info.lo_flags = LO_FLAGS_AUTOCLEAR;
        if (ioctl(loop, LOOP_CONFIGURE, &config) == 0) break;
        close(loop);
        loop = -1;
    }
    if (loop < 0) problem = Reason("no loop device could be attached");
    if (backing >= 0) close(backing);
    if (control >= 0) close(control);
    return loop;
}

bool IsMountPoint(const std::string& path) {
    struct stat here, parent;
    return stat(path.c_str(), &here) == 0 && stat((path + "/..").c_str(), &parent) == 0 &&
           here.st_dev != parent.st_dev;
}

int RemoveEntry(const char* path, const struct stat*, int, FTW*) {
    remove(path);
    return 0;
}

} // namespace

void RemoveLeftovers(const std::string& scratch) {
    DIR* dir = opendir(scratch.c_str());
    if (!dir) return;
    while (const dirent* entry = readdir(dir)) {
        const pid_t owner = std::atoi(entry->d_name);
        if (owner <= 0 || owner == getpid() || kill(owner, 0) == 0 || errno != ESRCH) continue;
        // Depth first, never into another file system: a mount there would be none of ours.
        nftw((scratch + "/" + entry->d_name).c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS | FTW_MOUNT);
    }
    closedir(dir);
}

namespace {} // namespace

const KindTraits& TraitsOf(Kind kind) {
    static const std::array<KindTraits, 7> traits = {{
        {"build disk", false, Nanosecond, true},
        {"tmpfs", false, Nanosecond, true},
        {"btrfs", false, Nanosecond, true},
        {"xfs", false, Nanosecond, true},
        {"NTFS", false, 100 * Nanosecond, true}, // case-sensitive as ntfs-3g makes its names
        {"exFAT", true, Second, true},           // the FUSE driver keeps whole seconds
        {"FAT", true, 2 * Second, false},
    }};
    return traits[static_cast<std::size_t>(kind)];
}

std::string PrepareMounting() {
    if (geteuid() != 0) return "not root: mounting needs root";
    if (access("/dev/loop-control", R_OK | W_OK) != 0) return Reason("no loop devices (/dev/loop-control)");
    if (access("/dev/fuse", R_OK | W_OK) != 0) return Reason("no FUSE (/dev/fuse)");
    // Mounts made from here on are seen by this process (and its FUSE drivers) only, and end with it.
    if (unshare(CLONE_NEWNS) != 0) return Reason("no mount namespace of our own");
    if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return Reason("mounts cannot be made private");
    return "";
}

Volume::Volume(Kind kind) : kind_(kind) {
    folder_ = (fs::temp_directory_path() / "volume-XXXXXX").string();
    if (!mkdtemp(folder_.data())) {
        problem_ = Reason("no temporary folder");
        return;
    }
    mountPoint_ = folder_ + "/mnt";
    if (mkdir(mountPoint_.c_str(), 0755) != 0) {
        problem_ = Reason("no mount point");
        return;
    }
    if (kind == Kind::BuildDisk) return;
    if (kind == Kind::Tmpfs) {
        if (mount("tmpfs", mountPoint_.c_str(), "tmpfs", 0, "size=64m") == 0)
            mounted_ = true;
        else
            problem_ = Reason("tmpfs could not be mounted");
        return;
    }
    const std::string image = folder_ + "/volume.img";
    if (MakeImage(kind, image)) MountImage(kind, image);
    unlink(image.c_str()); // the loop device holds it now; it goes when the device does
}

Volume::~Volume() {
    Unmount();
    if (!mountPoint_.empty()) {
        if (kind_ == Kind::BuildDisk) {
            std::error_code ignored;
            fs::remove_all(mountPoint_, ignored);
        }
        rmdir(mountPoint_.c_str());
    }
    rmdir(folder_.c_str());
}

bool Volume::MakeImage(Kind kind, const std::string& image) {
    const int fd = open(image.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    const bool sized = fd >= 0 && ftruncate(fd, static_cast<off_t>(ImageSize(kind))) == 0;
    if (fd >= 0) close(fd);
    if (!sized) {
        problem_ = Reason("no image file");
        return false;
    }
    std::vector<std::string> tool;
    switch (kind) {
    case Kind::Btrfs:
        tool = {"mkfs.btrfs", "-q", image};
        break;
    case Kind::Xfs:
        tool = {"mkfs.xfs", "-q", image};
        break;
    case Kind::Ntfs:
        tool = {"mkfs.ntfs", "-F", "-Q", image};
        break;
    case Kind::Exfat:
        tool = {"mkfs.exfat", image};
        break;
    case Kind::Fat:
        tool = {"mkfs.vfat", image};
        break;
    case Kind::BuildDisk:
    case Kind::Tmpfs:
        return false;
    }
    if (RunTool(tool)) return true;
    problem_ = tool[0] + " failed (is it installed? scripts/install-deps installs it)";
    return false;
}

bool Volume::MountImage(Kind kind, const std::string& image) {
    std::string device;
    const int loop = AttachLoopDevice(image, device, problem_);
    if (loop < 0) return false;
    bool done = false;
    if (kind == Kind::Btrfs || kind == Kind::Xfs) {
        const char* type = kind == Kind::Btrfs ? "btrfs" : "xfs";
        done = mount(device.c_str(), mountPoint_.c_str(), type, 0, nullptr) == 0;
        if (!done) problem_ = Reason(std::string(type) + " could not be mounted");
        mounted_ = done;
    } else {
        done = StartDaemon(kind, device) && WaitUntilMounted();
    }
    // The mount holds the device from now on; when it goes, the device detaches.
    close(loop);
    return done;
}

bool Volume::StartDaemon(Kind kind, const std::string& device) {
    std::vector<std::string> arguments;
    switch (kind) {
    case Kind::Ntfs:
        // As desktops mount NTFS: names that Windows could not open are refused.
        arguments = {"ntfs-3g", "-o", "no_detach,windows_names", device, mountPoint_};
        break;
    case Kind::Exfat:
        arguments = {"mount.exfat-fuse", "-d", device, mountPoint_}; // -d: in the foreground
        break;
    case Kind::Fat:
        arguments = {"fusefat", "-f", "-o", "rw+", device, mountPoint_};
        break;
    default:
        return false;
    }
    // A driver that outlived us would hold its mount and loop device: it ends with this process.
    daemon_ = Spawn(arguments, SIGTERM);
    if (daemon_ > 0) return true;
    problem_ = Reason("fork");
    return false;
}

bool Volume::WaitUntilMounted() {
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (std::chrono::steady_clock::now() < deadline) {
        if (IsMountPoint(mountPoint_)) {
            mounted_ = true;
            return true;
        }
        int status = 0;
        if (waitpid(daemon_, &status, WNOHANG) == daemon_) {
            daemon_ = -1;
            problem_ = std::string("the ") + TraitsOf(kind_).Name + " driver ended without mounting";
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    problem_ = std::string("the ") + TraitsOf(kind_).Name + " driver did not mount within 20 s";
    return false;
}

void Volume::Unmount() {
    if (mounted_) {
        // A file still open in it (a test that failed half way) only delays the unmount.
        bool done = false;
        for (int attempt = 0; attempt < 50 && !done; ++attempt) {
            done = umount2(mountPoint_.c_str(), 0) == 0 || errno == EINVAL;
            if (!done) std::this_thread::sleep_for(100ms);
        }
        if (!done) umount2(mountPoint_.c_str(), MNT_DETACH);
        mounted_ = false;
    }
    if (daemon_ > 0) {
        // A FUSE driver ends by itself once unmounted; one that does not is ended.
        int status = 0;
        bool ended = false;
        for (int attempt = 0; attempt < 100 && !ended; ++attempt) {
            ended = waitpid(daemon_, &status, WNOHANG) == daemon_;
            if (!ended) std::this_thread::sleep_for(50ms);
            if (attempt == 60) kill(daemon_, SIGTERM);
        }
        if (!ended) {
            kill(daemon_, SIGKILL);
            waitpid(daemon_, &status, 0);
        }
        daemon_ = -1;
    }
}

} // namespace varnolt::filesystems
