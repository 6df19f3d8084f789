#include "model/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <limits>
#include <new>
#include <system_error>

#include "platform/text1250.h"

namespace velk {

namespace {

namespace fs = std::filesystem;

fs::path osPath(const std::string& path) { return fs::u8path(TextCodec1250::toUtf8(path)); }

// The file a save reaches: symbolic links are followed to the file they name, so
// the link stays a link and its file takes the content. A link to a file that does
// not exist yet names the file to create. Empty for a loop of links.
fs::path fileBehindLinks(const fs::path& target) {
    constexpr int kMostLinks = 40;
    fs::path p = target;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec))) return p;
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) return p;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return fs::path();
}

// A new, empty file beside `target` that no other writer has; -1 when the folder
// takes no new file. Its name is short whatever the target's is, so that any name
// the file system takes can be saved to.
int createTemporaryBeside(const fs::path& target, mode_t mode, fs::path& temp) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target.parent_path() /
               (".velk" + std::to_string(::getpid()) + "_" + std::to_string(counter.fetch_add(1)) + ".tmp");
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// At most `limit` bytes of a plain file. With `refuseLonger` a file holding more is
// TooLarge, told by its size before anything is read, so a huge file costs neither
// memory nor time; without it the rest is simply not read. The file is opened
// without waiting and read only when it turns out to be a plain file: a folder, a
// pipe or a device in its place never gives a whole text, and a pipe must not hold
// the program up. `bytes` is empty unless the result is Ok.
ReadResult readPlainFile(const std::string& path, std::size_t limit, bool refuseLonger, std::string& bytes) {
    bytes.clear();
    if (path.empty()) return ReadResult::OpenFailed;
    const int fd = ::open(osPath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return ReadResult::OpenFailed;
    struct stat info {};
    ReadResult result = ReadResult::OpenFailed;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        const auto length = static_cast<std::uint64_t>(std::max<off_t>(info.st_size, 0));
        result = ReadResult::Ok;
        if (refuseLonger && length > limit) result = ReadResult::TooLarge;
        try {
            if (result == ReadResult::Ok) bytes.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(limit, length)));
            char chunk[65536];
            while (result == ReadResult::Ok && bytes.size() < limit) {
                const ssize_t n = ::read(fd, chunk, std::min(sizeof chunk, limit - bytes.size()));
                if (n < 0 && errno == EINTR) continue;
                if (n < 0) result = ReadResult::OpenFailed;
                if (n <= 0) break;
                bytes.append(chunk, static_cast<std::size_t>(n));
            }
            // A file that grew past its bound since it was weighed is refused all the same.
            char extra;
            if (result == ReadResult::Ok && refuseLonger && bytes.size() == limit && ::read(fd, &extra, 1) > 0)
                result = ReadResult::TooLarge;
        } catch (const std::bad_alloc&) {
            result = ReadResult::NoMemory;
        }
    }
    ::close(fd);
    if (result != ReadResult::Ok) std::string().swap(bytes);
    return result;
}

bool writeAll(int fd, const std::string& bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// The rename itself reaches the disk only with its folder.
void syncFolderOf(const fs::path& file) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool readWholeFile(const std::string& path, std::string& bytes) {
    return readPlainFile(path, std::numeric_limits<std::size_t>::max(), false, bytes) == ReadResult::Ok;
}

bool readFileStart(const std::string& path, std::size_t limit, std::string& bytes) {
    return readPlainFile(path, limit, false, bytes) == ReadResult::Ok;
}

ReadResult readWholeFileUpTo(const std::string& path, std::size_t most, std::string& bytes) {
    return readPlainFile(path, most, true, bytes);
}

std::optional<FileIdentity> fileIdentityOf(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(osPath(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

bool canReadFile(const std::string& path) {
    const fs::path p = osPath(path);
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(p, ec)) return false;
    return static_cast<bool>(std::ifstream(p, std::ios::binary));
}

WriteResult writeWholeFile(const std::string& path, const std::string& bytes) {
    if (path.empty()) return WriteResult::OpenFailed;
    const fs::path file = fileBehindLinks(osPath(path));
    if (file.empty()) return WriteResult::OpenFailed;
    struct stat previous {};
    const bool exists = ::stat(file.c_str(), &previous) == 0;
    if (exists) {
        // Only a plain file is replaced. One without any write permission is read-only
        // to everybody, also to a user whom the system would let write it.
        if (!S_ISREG(previous.st_mode)) return WriteResult::OpenFailed;
        if ((previous.st_mode & 0222) == 0 || ::access(file.c_str(), W_OK) != 0) return WriteResult::OpenFailed;
    }
    fs::path temp;
    const int fd = createTemporaryBeside(file, exists ? (previous.st_mode & 07777) : 0666, temp);
    if (fd < 0) return WriteResult::OpenFailed;
    bool written = writeAll(fd, bytes);
    if (written && exists) {
        // The replacement keeps the access rights and, where allowed, the owner of
        // the file it replaces.
        written = ::fchmod(fd, previous.st_mode & 07777) == 0;
        const bool ownerKept = ::fchown(fd, previous.st_uid, previous.st_gid) == 0;
        (void)ownerKept;  // only the owner's own group or a privileged user can keep it
    }
    // The content reaches the disk before its name does: a crash leaves the old
    // file or the new one, never an empty one.
    written = written && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temp.c_str(), file.c_str()) != 0) {
        ::unlink(temp.c_str());
        return WriteResult::WriteFailed;
    }
    syncFolderOf(file);
    return WriteResult::Ok;
}

std::string bareFileName(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string folderOf(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string wholeFolderOf(const std::string& path) {
    const std::string folder = folderOf(path);
    if (!folder.empty() && folder.front() == '/') return folder;
    // Names are Windows-1250 bytes; the system gives its folder in UTF-8.
    std::error_code ec;
    const fs::path here = fs::current_path(ec);
    std::string bytes;
    if (ec || !TextCodec1250::fromUtf8(here.string(), bytes)) return std::string();
    return bytes + "/" + folder;
}

}  // namespace velk
