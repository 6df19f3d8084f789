#pragma once
// The symbol libraries dialog (resource 132, "Librerías"): the list of library
// names kept in "LIBRERIAS.CFG", the symbol names of one library read from its
// "%s.lib" file, and the way into the symbol editor.
#include <string>
#include <vector>

#include "model/SlotColumns.h"
#include "platform/dialog.h"

namespace velk {

constexpr int IDD_LIBRERIAS = 132;
constexpr int kLibrarySlots = 20;
constexpr int kLibraryNameMax = 14;  // characters of a name in "LIBRERIAS.CFG"
constexpr int kLibraryEntryMax = 10; // characters typed into either combo box

// Windows-1250 names, kept for the whole run; empty for a free slot.
extern CheckedArray<std::string, kLibrarySlots> g_libraryNames;
// Slots filled by reading plus names added since: the next name goes here.
extern int g_libraryCount;
// What the symbol editor is opened for.
extern std::string g_editorLibraryName;
extern std::string g_editorSymbolName;

// "LIBRERIAS.CFG" content: the names read, packed, at most 20 of at most 14
// characters; false when the header is wrong.
bool parseLibraryList(const std::string& bytes, std::vector<std::string>& names);
std::string formatLibraryList(const CheckedArray<std::string, kLibrarySlots>& names);
// "%s.lib" content: false when the header is wrong; names cut to 10 characters.
bool parseLibraryFile(const std::string& bytes, std::vector<std::string>& symbols);

class CLibreriasDlg : public Dialog {
public:
    CLibreriasDlg();

    bool OnInitDialog() override;
    void OnNewLibrary();
    void OnDeleteLibrary();
    void OnNewSymbol();
    void OnDeleteSymbol() {}
    void OnEditSymbol();
    void OnSelChangeLibrary();
    void OnSelChangeSymbol() {}

    std::string m_libraryName;  // Windows-1250
    std::string m_symbolName;

private:
    // False for a field whose text has a character without a Windows-1250 byte;
    // its name is then empty.
    bool m_libraryNameHeld = true;
    bool m_symbolNameHeld = true;

    void readControls();
    void showNames();
    void loadLibrary();
};

}  // namespace velk
