#pragma once
// Whole-file reading and writing for sheets and bitmaps. Paths are Windows-1250
// bytes like every text of the program. A file is written whole: the new content
// goes to a temporary file in the same folder, reaches the disk, and then replaces
// the target, so a failed write or a crash never leaves a half-written or emptied
// file behind. A symbolic link stays and the file it names is replaced. A file with
// a second hard link is replaced under the name saved to; its other names keep the
// old content (writing in place would lose the all-or-nothing replacement).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace velk {

// False when the file is no plain file or cannot be opened or read; `bytes` is
// then empty.
bool readWholeFile(const std::string& path, std::string& bytes);
// The same for the first `limit` bytes at most; the rest of the file is not read.
bool readFileStart(const std::string& path, std::size_t limit, std::string& bytes);

// The same for a file that may be no larger than `most` bytes: its size is looked
// at before anything is read, so a huge file costs neither memory nor time.
// TooLarge: the file is larger; NoMemory: its bytes could not be held. `bytes` is
// empty unless the result is Ok.
enum class ReadResult { Ok, OpenFailed, TooLarge, NoMemory };
ReadResult readWholeFileUpTo(const std::string& path, std::size_t most, std::string& bytes);

// Which file a path names, however it is spelt: two names give the same identity
// when they reach the same file (hard links, symbolic links followed).
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity& other) const { return device == other.device && inode == other.inode; }
};
// Nothing when no plain file is there.
std::optional<FileIdentity> fileIdentityOf(const std::string& path);

// True when the plain file opens for reading; it is closed again at once.
bool canReadFile(const std::string& path);

// OpenFailed: the target is no plain file, is read-only, or its folder takes no
// new file; nothing was touched. WriteFailed: writing or replacing failed part-way;
// the target is as it was.
enum class WriteResult { Ok, OpenFailed, WriteFailed };
WriteResult writeWholeFile(const std::string& path, const std::string& bytes);

// "C:/a/b/plan.cad" and "/a/b/plan.cad" give "plan.cad"; both separators count.
std::string bareFileName(const std::string& path);
// The folder part with its last separator ("/a/b/"), or "" for a bare name.
std::string folderOf(const std::string& path);
// The same as a whole path: a bare or relative name's folder is taken from the
// current directory. "" when that directory cannot be spelt in Windows-1250.
std::string wholeFolderOf(const std::string& path);

}  // namespace velk
