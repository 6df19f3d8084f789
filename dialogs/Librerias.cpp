// The symbol libraries dialog and its two files.
#include "dialogs/Librerias.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "dialogs/Simbolo.h"
#include "model/WholeFile.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"

namespace velk {

CheckedArray<std::string, kLibrarySlots> g_libraryNames;
int g_libraryCount = 0;
std::string g_editorLibraryName;
std::string g_editorSymbolName;

namespace {

constexpr const char* kListFile = "LIBRERIAS.CFG";
constexpr const char* kListHeader = "Velkarion";
constexpr const char* kLibraryHeader = "Velkarion_LIB";
constexpr int kLibrary = 1006;
constexpr int kSymbol = 1007;

constexpr ControlRow kControls[] = {
    staticText("Biblioteka:", {7, 7, 60, 8}),
    sortedCombo(kLibrary, {7, 17, 60, 60}, 0, kLibraryEntryMax),
    staticText("Symbol", {7, 82, 60, 8}),
    sortedCombo(kSymbol, {7, 92, 60, 60}, 0, kLibraryEntryMax),
    groupBox("", {74, 92, 100, 100}),
    pushButton(IDOK, "OK", {74, 7, 55, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Anuluj", {131, 7, 55, 14}),
    pushButton(1008, "Nueva Librería", {74, 24, 112, 14}),
    pushButton(1010, "Eliminar Librería", {74, 41, 112, 14}),
    pushButton(1009, "Nuevo símbolo", {74, 58, 55, 14}),
    pushButton(1011, "Borrar símbolo", {131, 58, 55, 14}),
    pushButton(1012, "Editar símbolo", {74, 75, 112, 14}),
};

constexpr DialogTemplate kLibrerias = dialogTemplate(IDD_LIBRERIAS, "Librerías", 192, 201, kControls);

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A name that can be a list entry and a file name in the working directory.
bool isSafeLibraryName(const std::string& name) {
    return name.find_first_of("*#$/\\:") == std::string::npos && name.find("..") == std::string::npos;
}

// A combo box text as the bytes of a name of at most `limit` characters; false
// (and no name) when a character has no Windows-1250 byte: such a name can be
// neither a list entry nor a file name, so it is never cut down to one that is.
bool toBytes(const std::string& utf8, int limit, std::string& name) {
    std::string bytes;
    name.clear();
    if (!TextCodec1250::fromUtf8(utf8, bytes)) return false;
    name = bytes.substr(0, static_cast<std::size_t>(limit));
    return true;
}

// The library a combo box text names. A listed name is taken as stored: one read
// from a hand-made list may hold a byte without a character, which the screen
// cannot give back. The library field holds up to the list file's limit:
// choosing an entry puts the whole name there, whatever was allowed for typing.
bool libraryBytes(const std::string& utf8, std::string& name) {
    for (const std::string& n : g_libraryNames)
        if (!n.empty() && TextCodec1250::toUtf8(n) == utf8) {
            name = n;
            return true;
        }
    return toBytes(utf8, kLibraryNameMax, name);
}

}  // namespace

bool parseLibraryList(const std::string& bytes, std::vector<std::string>& names) {
    names.clear();
    if (bytes.compare(0, 9, kListHeader) != 0) return false;
    std::string name;
    auto take = [&] {
        if (!name.empty() && names.size() < static_cast<std::size_t>(kLibrarySlots)) names.push_back(name);
        name.clear();
    };
    for (std::size_t i = 10; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '#') break;
        if (c == '*') {
            take();
            continue;
        }
        if (name.size() < static_cast<std::size_t>(kLibraryNameMax)) name += c;
    }
    take();
    return true;
}

std::string formatLibraryList(const CheckedArray<std::string, kLibrarySlots>& names) {
    std::string out = kListHeader;
    for (const std::string& n : names) out += "*" + n;
    out += "#";
    return out;
}

bool parseLibraryFile(const std::string& bytes, std::vector<std::string>& symbols) {
    symbols.clear();
    if (bytes.compare(0, 13, kLibraryHeader) != 0) return false;
    std::string name;
    for (std::size_t i = 13; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '#') break;
        if (c == '*') {
            if (!name.empty()) symbols.push_back(name);
            name.clear();
            continue;
        }
        if (name.size() < static_cast<std::size_t>(kLibraryEntryMax)) name += c;
    }
    return true;
}

CLibreriasDlg::CLibreriasDlg() : Dialog(kLibrerias) {
    const HandlerRow<CLibreriasDlg> handlers[] = {
        {1008, Notify::Clicked, &CLibreriasDlg::OnNewLibrary},
        {1010, Notify::Clicked, &CLibreriasDlg::OnDeleteLibrary},
        {1009, Notify::Clicked, &CLibreriasDlg::OnNewSymbol},
        {1011, Notify::Clicked, &CLibreriasDlg::OnDeleteSymbol},
        {1012, Notify::Clicked, &CLibreriasDlg::OnEditSymbol},
        {kLibrary, Notify::SelectionChanged, &CLibreriasDlg::OnSelChangeLibrary},
        {kSymbol, Notify::SelectionChanged, &CLibreriasDlg::OnSelChangeSymbol},
    };
    addHandlers(this, handlers);
}

bool CLibreriasDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    std::string bytes;
    std::vector<std::string> names;
    // A missing list and one with a wrong header are alike: nothing listed, no word.
    if (!readWholeFile(kListFile, bytes) || !parseLibraryList(bytes, names)) return true;
    g_libraryCount = 0;
    g_libraryNames.fill(std::string());
    for (const std::string& n : names) {
        g_libraryNames[g_libraryCount++] = n;
        addItem(kLibrary, TextCodec1250::toUtf8(n));
    }
    m_libraryName = g_libraryNames[0];
    loadLibrary();
    showNames();
    return true;
}

void CLibreriasDlg::loadLibrary() {
    clearItems(kSymbol);
    const std::string file = m_libraryName + ".lib";
    std::string bytes;
    if (!isSafeLibraryName(m_libraryName) || !readWholeFile(file, bytes)) {
        char buffer[96];
        std::snprintf(buffer, sizeof buffer, "%s\"%s\"", cp1250("No se puede abrir la librería ").c_str(),
                      file.c_str());
        messageBox(buffer);
        return;
    }
    std::vector<std::string> symbols;
    if (!parseLibraryFile(bytes, symbols)) {
        messageBox("\"" + file + "\" No es una librerias Velkarion ");
        return;
    }
    for (const std::string& s : symbols) addItem(kSymbol, TextCodec1250::toUtf8(s));
    if (itemCount(kSymbol) > 0) toBytes(itemText(kSymbol, 0), kLibraryEntryMax, m_symbolName);
}

void CLibreriasDlg::readControls() {
    m_libraryNameHeld = libraryBytes(text(kLibrary), m_libraryName);
    m_symbolNameHeld = toBytes(text(kSymbol), kLibraryEntryMax, m_symbolName);
}

void CLibreriasDlg::showNames() {
    const std::pair<int, const std::string*> combos[] = {{kLibrary, &m_libraryName}, {kSymbol, &m_symbolName}};
    for (const auto& [id, name] : combos) {
        const std::string utf8 = TextCodec1250::toUtf8(*name);
        setText(id, utf8);
        for (int i = 0; i < itemCount(id); ++i)
            if (itemText(id, i) == utf8) setSelection(id, i);
    }
}

void CLibreriasDlg::OnSelChangeLibrary() {
    const int at = selection(kLibrary);
    if (at < 0) return;
    libraryBytes(itemText(kLibrary, at), m_libraryName);
    loadLibrary();
    showNames();
}

void CLibreriasDlg::OnNewLibrary() {
    readControls();
    // A name the list cannot hold is refused like any other bad name: it can
    // match no listed one, the full list is still told, and nothing is added.
    for (const std::string& n : g_libraryNames)
        if (m_libraryNameHeld && n == m_libraryName) {
            messageBox(cp1250("Esa librería ya exite"));
            return;
        }
    if (g_libraryCount >= kLibrarySlots) {
        messageBox(cp1250("Excedido el número máximo de librerias"));
        return;
    }
    if (!m_libraryNameHeld || m_libraryName.empty() || !isAsciiLetter(m_libraryName[0]) ||
        !isSafeLibraryName(m_libraryName))
        return;
    addItem(kLibrary, TextCodec1250::toUtf8(m_libraryName));
    g_libraryNames[g_libraryCount++] = m_libraryName;
    if (writeWholeFile(kListFile, formatLibraryList(g_libraryNames)) != WriteResult::Ok)
        messageBox("No se puede guardar la libreria");
}

void CLibreriasDlg::OnDeleteLibrary() {
    const int at = selection(kLibrary);
    if (at < 0) return;
    std::string name;
    libraryBytes(itemText(kLibrary, at), name);
    // Deleting is rebuilding the list without the entry.
    std::vector<std::string> kept;
    for (int i = 0; i < itemCount(kLibrary); ++i)
        if (i != at) kept.push_back(itemText(kLibrary, i));
    clearItems(kLibrary);
    for (const std::string& k : kept) addItem(kLibrary, k);
    clearItems(kSymbol);
    for (std::string& n : g_libraryNames)
        if (n == name) {
            n.clear();
            break;
        }
    if (writeWholeFile(kListFile, formatLibraryList(g_libraryNames)) != WriteResult::Ok)
        messageBox("No se puede borrar la libreria");
}

void CLibreriasDlg::OnNewSymbol() {
    readControls();
    if (!m_symbolNameHeld) return;
    // Compared as shown: a listed name with a byte without a character does not
    // come back from the screen.
    const std::string shown = TextCodec1250::toUtf8(m_symbolName);
    for (int i = 0; i < itemCount(kSymbol); ++i)
        if (itemText(kSymbol, i) == shown) {
            messageBox(cp1250("Ese símbolo ya exite"));
            return;
        }
    if (!m_symbolName.empty() && isAsciiLetter(m_symbolName[0])) addItem(kSymbol, shown);
}

void CLibreriasDlg::OnEditSymbol() {
    readControls();
    // The editor is not opened for a name that no library or symbol can have.
    if (!m_libraryNameHeld || !m_symbolNameHeld) return;
    g_editorLibraryName = m_libraryName;
    g_editorSymbolName = m_symbolName;
    CSimboloDlg editor;
    editor.runModal();
}

}  // namespace velk
