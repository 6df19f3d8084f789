// Pictures of the tests: written on request, or held for the case the test fails.
#include "kept_pictures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace velk::testpictures {

namespace {

// A picture, or the bytes of a file.
struct Held {
    std::string name;
    Surface picture;
    std::string bytes;
};

std::vector<Held>& held() {
    static std::vector<Held> kept;
    return kept;
}

std::optional<std::filesystem::path> askedFolder() {
    const char* folder = std::getenv("VELK_TEST_OUTPUT");
    if (!folder || !*folder) return std::nullopt;
    return std::filesystem::path(folder);
}

bool write(const Held& h, const std::filesystem::path& folder) {
    const std::string path = (folder / h.name).string();
    if (!h.picture.isNull()) return h.picture.savePng(path.c_str());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(h.bytes.data(), static_cast<std::streamsize>(h.bytes.size()));
    return static_cast<bool>(out);
}

void keep(Held h) {
    if (const std::optional<std::filesystem::path> folder = askedFolder())
        write(h, *folder);
    else
        held().push_back(std::move(h));
}

// Writes what the ended test held when it failed, and forgets it either way.
class FailedTestPictures : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& test) override {
        std::vector<Held> kept;
        kept.swap(held());
        if (!test.result()->Failed()) return;
        const std::filesystem::path folder = std::filesystem::temp_directory_path();
        for (const Held& h : kept)
            if (write(h, folder)) std::fprintf(stderr, "kept for a look: %s\n", (folder / h.name).c_str());
    }
};

[[maybe_unused]] const bool kListening = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FailedTestPictures);
    return true;
}();

}  // namespace

void keepPicture(const Surface& picture, const std::string& name) { keep({name, picture, {}}); }

void keepFile(const std::string& path, const std::string& name) {
    std::ifstream in(path, std::ios::binary);
    keep({name, Surface(), std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())});
}

}  // namespace velk::testpictures
