// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file-system service. Every operation reports success or failure as a value and never throws; a
// change reports why it failed, so that the reason reaches the user. Paths are native byte strings; a
// name need not be valid UTF-8.
#include <cerrno>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace varnolt {

// What a change to the file system came to: done, or the reason it was not. Tested like a bool.
class FsResult {
  public:
    FsResult() = default;
    FsResult(std::error_code error) : error_(error) {}
    // The failure `errnoValue` stands for; a failure that left errno at 0 still counts as one.
    static FsResult Failed(int errnoValue) {
        return std::error_code(errnoValue != 0 ? errnoValue : EIO, std::generic_category());
    }
    // Done when `done`, else the failure errno holds now.
    static FsResult FromErrno(bool done) { return done ? FsResult() : Failed(errno); }
    explicit operator bool() const { return !error_; }
    const std::error_code& Error() const { return error_; }

  private:
    std::error_code error_;
};

// Seconds since the epoch, UTC.
using FileTime = std::int64_t;

struct ItemInfo {
    std::uint64_t Size = 0;
    FileTime CreationTime = 0; // the birth time where the file system records it, else the last write time
    FileTime LastAccessTime = 0;
    FileTime LastWriteTime = 0;
    bool IsFolder = false;
};

struct FolderEntry {
    std::string Name;
    bool IsFolder = false;   // a folder, or a symbolic link to one
    bool IsLink = false;     // the entry itself is a symbolic link, whatever it points to
    std::uint64_t Inode = 0; // the entry's own inode number as the listing gives it; 0 when not known
};

// The start of the hidden name under which a copy grows beside its destination until it is whole:
// "<prefix><process id>-<serial>-<name>". Only a killed process leaves one behind.
inline constexpr std::string_view kPartialCopyPrefix = ".varnolt-partial-";

struct FolderIdentity {
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    friend bool operator==(const FolderIdentity&, const FolderIdentity&) = default;
};

// What tells one file from another, and an edited file from an untouched copy of it.
struct FileStamp {
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::uint64_t Size = 0;
    FileTime LastWriteTime = 0;
    std::int64_t LastWriteNanoseconds = 0; // within the second
    bool IsFolder = false;
};

// What a file transfer made at its destination, as far as the call knows it without another look.
struct PlacedFile {
    // A new file (a copy, or a move that had to copy); else the source's own entry under its new name.
    bool Copied = false;
    std::optional<FileStamp> Copy; // the new file's, when it could be read
};

// An exclusive lock on one of the program's own files, held until this goes (or the process ends).
class FileLock {
  public:
    virtual ~FileLock() = default;
};

// A file of the program's own that grows line by line (the run journal).
class AppendFile {
  public:
    virtual ~AppendFile() = default;
    // Writes the bytes through to the kernel, so they survive a kill of the process. False when not all
    // of them could be written; some may have been.
    virtual FsResult Append(std::string_view bytes) = 0;
    // Forces everything appended so far onto the disk, giving the file its true length.
    virtual FsResult Sync() = 0;
    // Forces everything appended so far onto the disk and keeps the room reserved after it: the cheap
    // sync of a file that goes on growing.
    virtual FsResult SyncWritten() = 0;
    // Writes `bytes` over some of those appended, from `offset` on.
    virtual FsResult Overwrite(std::uint64_t offset, std::string_view bytes) = 0;
    // Takes back the last `size` bytes appended, so that the next append writes in their place.
    virtual FsResult TakeBack(std::size_t size) = 0;
};

// A folder just listed, held open while its entries are handled, so that their facts are read by name
// instead of by walking the whole path again. Renamed meanwhile, it still answers for its entries, which
// does no harm to facts; moves always go by path, so that the journal names where a file really was.
class ListedFolder {
  public:
    virtual ~ListedFolder() = default;
    // ReadItemInfo for an entry of this folder, named by its whole path.
    virtual std::optional<ItemInfo> ReadItemInfo(const std::string& path) = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Following links.
    virtual bool FolderExists(const std::string& path) = 0;
    // An existing entry that is not a folder.
    virtual bool FileExists(const std::string& path) = 0;
    virtual std::optional<ItemInfo> ReadItemInfo(const std::string& path) = 0;
    virtual std::optional<FolderIdentity> IdentifyFolder(const std::string& path) = 0;
    virtual std::optional<FileStamp> StampOf(const std::string& path) = 0;
    // Not following links: any entry at all, a dangling link included.
    virtual bool EntryExists(const std::string& path) = 0;

    // Every entry of one folder except "." and "..", in the order the system returns them, and the
    // folder held open for their facts. Null when the folder cannot be listed.
    virtual std::unique_ptr<ListedFolder> ListFolder(const std::string& path,
                                                     std::vector<FolderEntry>& entries) = 0;

    virtual FsResult MakeFolder(const std::string& path) = 0;   // one level; the parent must exist
    virtual FsResult RemoveFolder(const std::string& path) = 0; // only an empty folder
    virtual FsResult DeleteFile(const std::string& path) = 0;

    // Never replace an existing entry at `to`; a failure leaves `from` untouched and nothing at `to`.
    // A move also crosses file systems (as a copy, then the source removed; a source that changed during
    // the copy stays, and the copy goes); a symbolic link moves as the link itself, a folder not at all.
    virtual FsResult MoveFile(const std::string& from, const std::string& to) = 0;
    // MoveFile for an entry the caller has just found to be a file, following links: the move need not
    // look at it again before trying. `placed`, when given, tells whether the move had to copy.
    virtual FsResult MoveKnownFile(const std::string& from, const std::string& to,
                                   PlacedFile* placed = nullptr) {
        static_cast<void>(placed);
        return MoveFile(from, to);
    }
    // The file a link points to is copied; anything but a regular file (a fifo, a device) is refused.
    // `placed`, when given, receives the copy's stamp.
    virtual FsResult CopyFile(const std::string& from, const std::string& to,
                              PlacedFile* placed = nullptr) = 0;
    // The whole folder ends up at `to`, or at the next free name "to (2)", "to (3)", ... when `to` is taken;
    // missing folders above `to` are made. Links inside are copied as links; a link given as `from` moves
    // as the link and copies as the folder it points to. A folder never goes into itself. A failed copy
    // leaves nothing behind; a move across file systems removes the source only once all is copied.
    // `placedAt`, when given, receives the path the folder got, so that the journal names that place.
    // `nextNumber`, when given, is the first number to try (those below it were found taken earlier in
    // the same command), and is left past the number taken: N folders of one name cost N tries, not N²/2.
    virtual FsResult MoveFolder(const std::string& from, const std::string& to,
                                std::string* placedAt = nullptr, std::int64_t* nextNumber = nullptr) = 0;
    virtual FsResult CopyFolder(const std::string& from, const std::string& to,
                                std::string* placedAt = nullptr, std::int64_t* nextNumber = nullptr) = 0;

    // The program's own files (journal, lists). `error` receives a readable reason on failure.
    virtual std::optional<std::string> ReadWholeFile(const std::string& path, std::string& error) = 0;
    // The same bytes in pieces of at most a mebibyte, each handed to `piece` as it comes: a journal of
    // hundreds of megabytes is never held whole, and the caller may let the window have its turns
    // between pieces. A failure comes after the pieces before it.
    virtual FsResult ReadInPieces(const std::string& path,
                                  const std::function<void(std::string_view)>& piece) = 0;
    // Up to `size` bytes of the file from `offset` on, in place of what `bytes` held; fewer at its end.
    virtual FsResult ReadPart(const std::string& path, std::uint64_t offset, std::size_t size,
                              std::string& bytes) = 0;
    // Writes a new file beside `path`, syncs it and renames it over `path`: never a truncated file. The
    // new file keeps the old one's permission bits; a symbolic link at `path` stays and the file it
    // points to is replaced. Other hard links to the old file keep the old content.
    virtual bool ReplaceFile(const std::string& path, std::string_view content, std::string& error) = 0;
    // Creates or truncates `path` for appending.
    virtual std::unique_ptr<AppendFile> CreateAppendFile(const std::string& path, std::error_code& error) = 0;
    // Renames one of the program's own files over another (replacing it on purpose).
    virtual FsResult ReplaceWith(const std::string& from, const std::string& to) = 0;
    // Takes the lock on the folder `folder` itself without waiting: removing or replacing a file in it
    // cannot undo the lock. Null when it cannot be had: `heldElsewhere` then tells whether another
    // holder has it; else `error` says why the folder cannot be locked (missing, a file, unreadable).
    virtual std::unique_ptr<FileLock> TryLock(const std::string& folder, bool& heldElsewhere,
                                              std::error_code& error) = 0;
    // Removes what killed processes of the program left of their copies directly in `folder` (files and
    // folders named with kPartialCopyPrefix; those of a process still alive stay). Not for a folder
    // this process copies into at the same time. A missing folder has none. Fails with the first
    // entry that could not be removed (or the listing); goes on with the others first.
    virtual FsResult RemoveLeftoverPartials(const std::string& folder) = 0;
};

} // namespace varnolt
