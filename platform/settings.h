#pragma once
// The settings store (recent files, toolbar layout), kept per user under the
// program's key.
#include <string>

namespace velk {

class Settings {
public:
    // Chooses the key under which the settings are kept.
    static void setKey(const std::string& key);
    // Headless use: keep the settings in this file instead of the user's store
    // (an empty path goes back to the user's store).
    static void useFile(const std::string& path);

    static std::string readString(const std::string& section, const std::string& entry,
                                  const std::string& fallback = std::string());
    static void writeString(const std::string& section, const std::string& entry,
                            const std::string& value);
    static int readInt(const std::string& section, const std::string& entry, int fallback = 0);
    static void writeInt(const std::string& section, const std::string& entry, int value);
    static bool hasSection(const std::string& section);
    static void removeEntry(const std::string& section, const std::string& entry);
    static void sync();
};

}  // namespace velk
