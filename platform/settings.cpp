// The settings store on the toolkit's per-user settings, or on one file for
// headless runs. Texts are kept readable (UTF-8) and handed out as Windows-1250.
#include "platform/settings.h"

#include <QSettings>
#include <memory>

#include "platform/text1250.h"

namespace velk {

namespace {

std::string g_key = "Velkarion";
std::string g_file;
std::unique_ptr<QSettings>& store() {
    static std::unique_ptr<QSettings> s;
    return s;
}

QSettings& settings() {
    if (!store()) {
        if (!g_file.empty())
            store() = std::make_unique<QSettings>(QString::fromStdString(g_file), QSettings::IniFormat);
        else
            store() = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                  QString::fromUtf8(TextCodec1250::toUtf8(g_key)),
                                                  QStringLiteral("Velkarion"));
    }
    return *store();
}

QString keyOf(const std::string& section, const std::string& entry) {
    return QString::fromUtf8(TextCodec1250::toUtf8(section)) + '/' + QString::fromUtf8(TextCodec1250::toUtf8(entry));
}

}  // namespace

void Settings::setKey(const std::string& key) {
    if (store()) store()->sync();
    store().reset();
    g_key = key;
}

void Settings::useFile(const std::string& path) {
    if (store()) store()->sync();
    store().reset();
    g_file = path;
}

std::string Settings::readString(const std::string& section, const std::string& entry, const std::string& fallback) {
    const QVariant v = settings().value(keyOf(section, entry));
    if (!v.isValid()) return fallback;
    std::string bytes;
    if (!TextCodec1250::fromUtf8(v.toString().toStdString(), bytes)) return fallback;
    return bytes;
}

void Settings::writeString(const std::string& section, const std::string& entry, const std::string& value) {
    settings().setValue(keyOf(section, entry), QString::fromUtf8(TextCodec1250::toUtf8(value)));
}

int Settings::readInt(const std::string& section, const std::string& entry, int fallback) {
    bool ok = false;
    const int v = settings().value(keyOf(section, entry)).toInt(&ok);
    return ok ? v : fallback;
}

void Settings::writeInt(const std::string& section, const std::string& entry, int value) {
    settings().setValue(keyOf(section, entry), value);
}

bool Settings::hasSection(const std::string& section) {
    QSettings& s = settings();
    return s.childGroups().contains(QString::fromUtf8(TextCodec1250::toUtf8(section)));
}

void Settings::removeEntry(const std::string& section, const std::string& entry) {
    settings().remove(keyOf(section, entry));
}

void Settings::sync() {
    if (store()) store()->sync();
}

}  // namespace velk
