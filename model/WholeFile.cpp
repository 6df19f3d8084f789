#include "model/WholeFile.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/text1250.h"

namespace velk {

namespace {

std::filesystem::path osPath(const std::string& path) {
    return std::filesystem::u8path(TextCodec1250::toUtf8(path));
}

// A name beside the target that no other writer of this process picks.
std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    std::error_code ec;
    for (;;) {
        std::filesystem::path candidate = target;
        candidate += ".tmp" + std::to_string(counter.fetch_add(1));
        if (!std::filesystem::exists(candidate, ec)) return candidate;
    }
}

}  // namespace

bool readWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const std::filesystem::path p = osPath(path);
    std::error_code ec;
    // Only plain files: a folder or a device would never give a whole text.
    if (path.empty() || !std::filesystem::is_regular_file(p, ec)) return false;
    std::ifstream in(p, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const std::streamoff length = in.tellg();
    if (length < 0) return false;
    in.seekg(0, std::ios::beg);
    bytes.resize(static_cast<std::size_t>(length));
    if (length > 0 && !in.read(&bytes[0], length)) {
        bytes.clear();
        return false;
    }
    return true;
}

WriteResult writeWholeFile(const std::string& path, const std::string& bytes) {
    if (path.empty()) return WriteResult::OpenFailed;
    const std::filesystem::path target = osPath(path);
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) return WriteResult::OpenFailed;
    const std::filesystem::path temp = temporaryBeside(target);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return WriteResult::OpenFailed;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::filesystem::remove(temp, ec);
            return WriteResult::WriteFailed;
        }
    }
    // The replacement keeps the access rights of the file it replaces.
    const std::filesystem::file_status previous = std::filesystem::status(target, ec);
    if (!ec && std::filesystem::is_regular_file(previous))
        std::filesystem::permissions(temp, previous.permissions(), ec);
    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return WriteResult::WriteFailed;
    }
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

}  // namespace velk
