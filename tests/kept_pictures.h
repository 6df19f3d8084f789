#pragma once
// Pictures and printed files a test makes for a person to look at. A passing test
// leaves nothing behind: each is written at once into the folder VELK_TEST_OUTPUT
// names when that is set, and otherwise held until the test ends and written into
// the temporary folder only when the test failed (the path is printed then).
#include <string>

#include "platform/surface.h"

namespace velk::testpictures {

// The picture as a PNG file called `name`.
void keepPicture(const Surface& picture, const std::string& name);
// A copy of the file at `path` (read now: the test's folder may be gone at its end).
void keepFile(const std::string& path, const std::string& name);

}  // namespace velk::testpictures
