// File dialogs on the toolkit, with the headless handler and the one-shot answer
// of the open route.
#include "platform/filedlg.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <filesystem>

#include "platform/msgbox.h"
#include "platform/text1250.h"

namespace velk {

namespace {

std::function<std::optional<std::string>(const FileDialogRequest&)>& handler() {
    static std::function<std::optional<std::string>(const FileDialogRequest&)> h;
    return h;
}
std::optional<std::string>& openPreset() {
    static std::optional<std::string> p;
    return p;
}

QString toDisplay(const std::string& text) { return QString::fromStdString(screenText(text)); }

// The patterns the toolkit matches for an entry. Its "*.*" wants a dot in the
// name; the type list's "all files" means every file.
QStringList toolkitPatterns(const FilterEntry& entry) {
    QStringList patterns;
    static const QRegularExpression separators(QStringLiteral("[; ]"));
    for (const QString& p : toDisplay(entry.pattern).split(separators, Qt::SkipEmptyParts))
        patterns << (p == QLatin1String("*.*") ? QStringLiteral("*") : p);
    return patterns;
}

// The dialog asks nothing itself: whether to replace a file is asked about the
// name as completed, after it (see runFileDialog).
std::optional<std::string> showDialog(const FileDialogRequest& request) {
    if (!qApp) return std::nullopt;
    QStringList filters;
    // The type list shows the label; the toolkit matches the patterns in the last
    // brackets, which it hides.
    for (const FilterEntry& f : parseFileFilter(request.filter))
        filters << toDisplay(fileFilterLabel(f)) + QStringLiteral(" (") + toolkitPatterns(f).join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!filters.isEmpty()) {
        dialog.setOption(QFileDialog::HideNameFilterDetails, true);
        dialog.setNameFilters(filters);
    }
    dialog.setDirectory(QDir::currentPath());
    // A pattern such as "*.bmp" as the initial name only chooses what is listed:
    // without a filter list it becomes the one filter, and the name field stays empty.
    if (request.initialName.find('*') != std::string::npos) {
        if (filters.isEmpty()) dialog.setNameFilter(toDisplay(request.initialName));
    } else if (!request.initialName.empty()) {
        dialog.selectFile(toDisplay(request.initialName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return chosenPathBytes(dialog.selectedFiles().first().toStdString());
}

// Whether the name (folder left out) ends in an extension, as the request's
// default extension tells it.
bool hasFileExtension(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == name.size()) return false;
    const std::string ext = name.substr(dot + 1);
    return ext.find(' ') == std::string::npos && ext.find_first_not_of("0123456789") != std::string::npos;
}

// The file a chosen name (Windows-1250 bytes) stands for on this system.
std::filesystem::path onDisk(const std::string& bytes) {
    return std::filesystem::u8path(TextCodec1250::toUtf8(bytes));
}

// "circuit" gives "circuit.cad"; a name ending in its dot only gets the extension.
std::string withDefaultExtension(const std::string& path, const std::string& ext) {
    if (ext.empty() || hasFileExtension(path)) return path;
    return withFileExtension(path, ext);
}

}  // namespace

std::string withFileExtension(const std::string& path, const std::string& ext) {
    // The extension's dot is the last one: it lies in the name, after the folder.
    const std::string stem = hasFileExtension(path) ? path.substr(0, path.rfind('.')) : path;
    return stem + (!stem.empty() && stem.back() == '.' ? ext : "." + ext);
}

std::optional<std::string> chosenPathBytes(const std::string& utf8) {
    std::string bytes;
    if (TextCodec1250::fromUtf8(utf8, bytes)) return bytes;
    messageBox(cp1250("El nombre del archivo o de su carpeta contiene caracteres no válidos"));
    return std::nullopt;
}

std::vector<FilterEntry> parseFileFilter(const std::string& filter) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : filter) {
        if (c == '|') {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(current);
    std::vector<FilterEntry> entries;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() && parts[i + 1].empty()) break;  // the closing "||"
        entries.push_back({parts[i], parts[i + 1]});
    }
    return entries;
}

std::string fileFilterLabel(const FilterEntry& entry) {
    std::string patterns = entry.pattern;
    for (char& c : patterns)
        if (c == ';') c = ' ';
    std::string description = entry.description;
    while (!description.empty() && description.back() == ' ') description.pop_back();
    while (!description.empty() && description.front() == ' ') description.erase(0, 1);
    const std::string bracketed = "(" + patterns + ")";
    // The toolkit reads the patterns from the brackets at the end of the label.
    if (description.size() >= bracketed.size() &&
        description.compare(description.size() - bracketed.size(), bracketed.size(), bracketed) == 0)
        return description;
    return description + " " + bracketed;
}

bool fileDialogLists(const FilterEntry& entry, const std::string& fileName) {
    return QDir::match(toolkitPatterns(entry), toDisplay(fileName));
}

std::optional<std::string> runFileDialog(const FileDialogRequest& request) {
    FileDialogRequest asked = request;
    std::optional<std::string> path;
    for (;;) {
        // Whether the answerer has already been asked about replacing the very name
        // it gives back: the handler has, the dialog on the screen asks nothing.
        bool replaceAsked = false;
        if (!request.save && openPreset()) {
            path = openPreset();
            openPreset().reset();
        } else if (handler()) {
            path = handler()(asked);
            replaceAsked = true;
        } else {
            path = showDialog(asked);
        }
        if (!path || path->empty()) return std::nullopt;
        const std::string typed = *path;
        std::error_code ec;
        // An open dialog takes a file without an extension as it is when there is one.
        if (request.save || !std::filesystem::exists(onDisk(typed), ec))
            *path = withDefaultExtension(typed, request.defaultExt);
        if (*path != typed) replaceAsked = false;
        if (!request.save || !request.confirmOverwrite || replaceAsked || !std::filesystem::exists(onDisk(*path), ec)) break;
        const QString name = QString::fromStdString(
            TextCodec1250::toUtf8(std::filesystem::path(*path).filename().string()));
        const QString question =
            QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?").arg(name);
        if (messageBox(question.toStdString(), QCoreApplication::translate("QFileDialog", "Save As").toStdString(),
                       BoxIcon::Warning, BoxButtons::YesNo) == BoxAnswer::Yes)
            break;
        // No: the dialog again, at the completed name.
        asked.initialName = *path;
    }
    // The chosen folder becomes the current directory, where the bare file names
    // of sheets, pictures and "config.cfg" are looked up from now on.
    std::error_code ec;
    const std::filesystem::path whole = std::filesystem::absolute(std::filesystem::path(*path), ec);
    if (ec) return path;
    const std::filesystem::path folder = onDisk(whole.parent_path().string());
    if (!folder.empty() && std::filesystem::is_directory(folder, ec)) std::filesystem::current_path(folder, ec);
    return whole.lexically_normal().string();
}

void setFileDialogHandler(std::function<std::optional<std::string>(const FileDialogRequest&)> h) {
    handler() = std::move(h);
}

void presetNextOpenDialog(const std::string& path) { openPreset() = path; }
void clearOpenDialogPreset() { openPreset().reset(); }

}  // namespace velk
