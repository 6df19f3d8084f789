#pragma once
// Whole-file reading and writing for sheets and bitmaps. Paths are Windows-1250
// bytes like every text of the program. A file is written whole: the new content
// goes to a temporary file in the same folder which then replaces the target, so
// a failed write never leaves a half-written or emptied file behind.
#include <string>

namespace velk {

// False when the file cannot be opened or read; `bytes` is then empty.
bool readWholeFile(const std::string& path, std::string& bytes);

enum class WriteResult { Ok, OpenFailed, WriteFailed };
WriteResult writeWholeFile(const std::string& path, const std::string& bytes);

// "C:/a/b/plan.cad" and "/a/b/plan.cad" give "plan.cad"; both separators count.
std::string bareFileName(const std::string& path);
// The folder part with its last separator ("/a/b/"), or "" for a bare name.
std::string folderOf(const std::string& path);

}  // namespace velk
