// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Real file systems of every kind people sort on, each mounted for one test in a folder of its own.
// Everything is mounted in a mount namespace of this process and every loop device detaches itself once
// nothing holds it, so a test that fails, crashes or is killed leaves no mount, loop device or image
// behind: the kernel takes them away with the process.
#include <cstdint>
#include <string>
#include <sys/types.h>

namespace varnolt::filesystems {

enum class Kind { BuildDisk, Tmpfs, Btrfs, Xfs, Ntfs, Exfat, Fat };

struct KindTraits {
    const char* Name;
    bool CaseInsensitive;
    std::int64_t TimeStepNs; // how finely it keeps a last write time
    bool TakesNonAsciiNames; // the FUSE FAT driver refuses every name beyond ASCII
};
const KindTraits& TraitsOf(Kind kind);

// Removes the folders below `scratch` named by the number of a process that is gone: what a killed test
// process left (its mounts and loop devices went with it).
void RemoveLeftovers(const std::string& scratch);

// Run once, before any test and before any thread: a mount namespace of this process. Empty when
// mounting works here, else the one reason why not.
std::string PrepareMounting();

class Volume {
  public:
    // Mounts a fresh, empty file system of `kind` (the build's disk is just a folder on it). On failure
    // Ready() is false and Problem() tells why.
    explicit Volume(Kind kind);
    ~Volume();
    Volume(const Volume&) = delete;
    Volume& operator=(const Volume&) = delete;

    bool Ready() const { return problem_.empty(); }
    const std::string& Problem() const { return problem_; }
    // The empty root folder of the file system; ends with "/".
    std::string Root() const { return mountPoint_ + "/"; }

  private:
    bool MakeImage(Kind kind, const std::string& image);
    bool MountImage(Kind kind, const std::string& image);
    bool StartDaemon(Kind kind, const std::string& device);
    bool WaitUntilMounted();
    void Unmount();

    Kind kind_;
    std::string folder_; // holds the mount point (and the image until it is attached)
    std::string mountPoint_;
    pid_t daemon_ = -1; // the FUSE driver
    bool mounted_ = false;
    std::string problem_;
};

} // namespace varnolt::filesystems
