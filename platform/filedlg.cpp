// File dialogs on the toolkit, with the headless handler and the one-shot answer
// of the open route.
#include "platform/filedlg.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
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


std::optional<std::string> showDialog(const FileDialogRequest& request) {
    if (!qApp) return std::nullopt;
    QStringList filters;
    for (const FilterEntry& f : parseFileFilter(request.filter)) filters << toDisplay(fileFilterLabel(f));
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!request.defaultExt.empty()) dialog.setDefaultSuffix(toDisplay(request.defaultExt));
    if (!request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
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

}  // namespace

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

std::optional<std::string> runFileDialog(const FileDialogRequest& request) {
    std::optional<std::string> path;
    if (!request.save && openPreset()) {
        path = openPreset();
        openPreset().reset();
    } else if (handler()) {
        path = handler()(request);
    } else {
        path = showDialog(request);
    }
    if (!path || path->empty()) return std::nullopt;
    if (!request.defaultExt.empty() && std::filesystem::path(*path).extension().empty())
        *path += "." + request.defaultExt;
    // The chosen folder becomes the current directory, where the bare file names
    // of sheets, pictures and "config.cfg" are looked up from now on.
    std::error_code ec;
    const std::filesystem::path whole = std::filesystem::absolute(std::filesystem::path(*path), ec);
    if (ec) return path;
    const std::filesystem::path folder = whole.parent_path();
    if (!folder.empty() && std::filesystem::is_directory(folder, ec)) std::filesystem::current_path(folder, ec);
    return whole.lexically_normal().string();
}

void setFileDialogHandler(std::function<std::optional<std::string>(const FileDialogRequest&)> h) {
    handler() = std::move(h);
}

void presetNextOpenDialog(const std::string& path) { openPreset() = path; }
void clearOpenDialogPreset() { openPreset().reset(); }

}  // namespace velk
