#pragma once
// The string table: for each command its status prompt and its tooltip.
#include <string>

namespace velk {

// The entry of a command as Windows-1250 bytes: prompt, a line break, tooltip;
// empty when the command has no entry.
std::string commandString(int id);

}  // namespace velk
