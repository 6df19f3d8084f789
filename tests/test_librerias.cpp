// The symbol libraries dialog: its list file and library files, the names it
// lists, and the messages of its buttons.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "dialogs/Librerias.h"
#include "model/WholeFile.h"
#include "platform/text1250.h"
#include "testkit/dialog_window.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testkit::DialogDriver;
using velk::testkit::Session;

namespace {

constexpr int kLibrary = 1006;
constexpr int kSymbol = 1007;

std::string listFile(const std::vector<std::string>& names) {
    CheckedArray<std::string, kLibrarySlots> slots;
    for (std::size_t i = 0; i < names.size(); ++i) slots[static_cast<int>(i)] = names[i];
    return formatLibraryList(slots);
}

std::vector<std::string> items(DialogDriver& d, int id) {
    std::vector<std::string> out;
    for (int i = 0; i < d.dialog().itemCount(id); ++i) out.push_back(d.dialog().itemText(id, i));
    return out;
}

std::vector<std::string> texts(const Session& s) {
    std::vector<std::string> out;
    for (const BoxRecord& b : s.messages()) out.push_back(TextCodec1250::toUtf8(b.text));
    return out;
}

// Every file of the working directory with its bytes.
std::map<std::string, std::string> filesIn(const std::string& dir) {
    std::map<std::string, std::string> out;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        out[entry.path().filename().string()] =
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return out;
}

struct Libraries : ::testing::Test {
    Session session;
    Libraries() {
        g_libraryNames.fill(std::string());
        g_libraryCount = 0;
    }
    // Opens the dialog, runs `script` in it and closes it with OK.
    void open(const std::function<void(DialogDriver&)>& script) {
        session.answerDialog(IDD_LIBRERIAS, [&](DialogDriver& d) {
            script(d);
            d.click(IDOK);
        });
        session.openLibraries();
    }
    std::string read(const std::string& name) {
        std::string bytes;
        readWholeFile(session.workDir() + "/" + name, bytes);
        return bytes;
    }
};

TEST_F(Libraries, ListFileNamesLibrariesAndOpensTheFirst) {
    session.writeFile("LIBRERIAS.CFG", listFile({"CD", "AB"}));
    EXPECT_EQ(listFile({"CD", "AB"}), "Velkarion*CD*AB" + std::string(18, '*') + "#");
    session.writeFile("CD.lib", "Velkarion_LIBzeta*alfa**beta*tail");
    open([&](DialogDriver& d) {
        EXPECT_EQ(items(d, kLibrary), (std::vector<std::string>{"AB", "CD"}));
        EXPECT_EQ(items(d, kSymbol), (std::vector<std::string>{"alfa", "beta", "zeta"}));
        EXPECT_EQ(d.text(kLibrary), "CD");
        EXPECT_EQ(d.text(kSymbol), "alfa");
        // Choosing the other library reads its file; it has none.
        d.select(kLibrary, "AB");
        EXPECT_TRUE(items(d, kSymbol).empty());
    });
    EXPECT_EQ(texts(session), (std::vector<std::string>{"No se puede abrir la librería \"AB.lib\""}));
    EXPECT_EQ(g_libraryCount, 2);
}

TEST_F(Libraries, ListFileAsWrittenByHand) {
    session.writeFile("LIBRERIAS.CFG", "Velkarion*AB*CD" + std::string(18, '*') + "#");
    session.writeFile("AB.lib", "Velkarion_LIBuno*dos*");
    open([&](DialogDriver& d) {
        EXPECT_EQ(items(d, kLibrary), (std::vector<std::string>{"AB", "CD"}));
        EXPECT_EQ(items(d, kSymbol), (std::vector<std::string>{"dos", "uno"}));
        EXPECT_EQ(d.text(kLibrary), "AB");
    });
    EXPECT_TRUE(session.messages().empty());
    // A list without names still tries the library of the empty name.
    session.writeFile("LIBRERIAS.CFG", "Velkarion" + std::string(20, '*') + "#");
    open([&](DialogDriver& d) { EXPECT_TRUE(items(d, kLibrary).empty()); });
    EXPECT_EQ(texts(session), (std::vector<std::string>{"No se puede abrir la librería \".lib\""}));
}

TEST_F(Libraries, ComboFieldsTakeTenCharactersAndTheChosenItem) {
    session.writeFile("LIBRERIAS.CFG", listFile({"AB", "CD"}));
    session.writeFile("AB.lib", "Velkarion_LIBabc*xyz*");
    open([&](DialogDriver& d) {
        d.setText(kSymbol, "Przekaznik12");
        EXPECT_EQ(d.text(kSymbol), "Przekaznik");
        d.setText(kLibrary, "ĄąĆćĘęŁłŃńÓ");
        EXPECT_EQ(d.text(kLibrary), "ĄąĆćĘęŁłŃń");
        // Choosing an item puts it into the field over what was typed.
        d.select(kSymbol, "xyz");
        EXPECT_EQ(d.text(kSymbol), "xyz");
        d.setText(kSymbol, "x");
        d.select(kSymbol, "abc");
        EXPECT_EQ(d.text(kSymbol), "abc");
        d.select(kLibrary, "CD");
        EXPECT_EQ(d.text(kLibrary), "CD");
    });
    EXPECT_EQ(session.beeps(), 2);
}

TEST_F(Libraries, OnScreenTheComboFieldsTakeTypingAndClickedItems) {
    session.writeFile("LIBRERIAS.CFG", listFile({"CD", "AB"}));
    session.writeFile("AB.lib", "Velkarion_LIBabc*xyz*");
    session.writeFile("CD.lib", "Velkarion_LIBmotor*");
    CLibreriasDlg dialog;
    const bool answered = testkit::runInWindow(dialog, [&](testkit::DialogWindowDriver& w) {
        EXPECT_EQ(w.shownItems(kLibrary), (std::vector<std::string>{"AB", "CD"}));
        EXPECT_EQ(w.shownText(kLibrary), "CD");
        EXPECT_EQ(w.shownText(kSymbol), "motor");
        w.clickItem(kLibrary, 0);
        EXPECT_EQ(w.shownText(kLibrary), "AB");
        EXPECT_EQ(w.shownItems(kSymbol), (std::vector<std::string>{"abc", "xyz"}));
        w.type(kSymbol, "Przekaznik12");
        EXPECT_EQ(w.shownText(kSymbol), "Przekaznik");
        w.click(1009);
        EXPECT_EQ(w.shownItems(kSymbol), (std::vector<std::string>{"abc", "Przekaznik", "xyz"}));
        w.clickItem(kSymbol, 2);
        EXPECT_EQ(w.shownText(kSymbol), "xyz");
        w.type(kSymbol, "q");
        w.clickItem(kSymbol, 2);
        EXPECT_EQ(w.shownText(kSymbol), "xyz") << "the chosen item again, over what was typed";
        w.click(IDOK);
    });
    EXPECT_TRUE(answered);
    EXPECT_EQ(dialog.result(), DialogResult::Ok);
    EXPECT_TRUE(session.messages().empty());
}

// Names of 11 to 14 characters come from the list file whole and stay whole when
// chosen, deleted, handed to the editor or compared; typing stays at 10.
TEST_F(Libraries, ListedNamesLongerThanTypingWorkWhole) {
    session.writeFile("LIBRERIAS.CFG", listFile({"AB", "Abcdefghijkl", "Abcdefghijklmn"}));
    session.writeFile("AB.lib", "Velkarion_LIBabc*");
    session.writeFile("Abcdefghijkl.lib", "Velkarion_LIBmotor*");
    session.writeFile("Abcdefghijklmn.lib", "Velkarion_LIBlampa*");
    session.answerDialog(133, [](DialogDriver& d) { d.click(IDCANCEL); });
    open([&](DialogDriver& d) {
        struct Case {
            const char* library;
            const char* symbol;
        };
        for (const Case& c : {Case{"Abcdefghijkl", "motor"}, Case{"Abcdefghijklmn", "lampa"}, Case{"AB", "abc"}}) {
            SCOPED_TRACE(c.library);
            d.select(kLibrary, c.library);
            EXPECT_EQ(d.text(kLibrary), c.library);
            EXPECT_EQ(items(d, kSymbol), std::vector<std::string>{c.symbol});
        }
        d.select(kLibrary, "Abcdefghijkl");
        d.click(1012);
        EXPECT_EQ(g_editorLibraryName, "Abcdefghijkl");
        EXPECT_EQ(g_editorSymbolName, "motor");
        // The chosen name is in the list already: it is not added again, cut or whole.
        d.click(1008);
        EXPECT_EQ(items(d, kLibrary).size(), 3u);
        d.select(kLibrary, "Abcdefghijklmn");
        d.click(1010);
        EXPECT_EQ(items(d, kLibrary), (std::vector<std::string>{"AB", "Abcdefghijkl"}));
    });
    EXPECT_EQ(texts(session), (std::vector<std::string>{"Esa librería ya exite"}));
    EXPECT_EQ(read("LIBRERIAS.CFG"), listFile({"AB", "Abcdefghijkl"}));
}

TEST_F(Libraries, LibraryFileNamesAreCutAndAWrongHeaderIsTold) {
    session.writeFile("LIBRERIAS.CFG", listFile({"AB"}));
    session.writeFile("AB.lib", "Velkarion_LIBabc*defghijklmnop*xyz");
    open([&](DialogDriver& d) {
        EXPECT_EQ(items(d, kSymbol), (std::vector<std::string>{"abc", "defghijklm"}));
    });
    EXPECT_TRUE(session.messages().empty());
    session.writeFile("AB.lib", "Velkarion_LIXabc*");
    open([&](DialogDriver& d) { EXPECT_TRUE(items(d, kSymbol).empty()); });
    EXPECT_EQ(texts(session), (std::vector<std::string>{"\"AB.lib\" No es una librerias Velkarion "}));
}

TEST_F(Libraries, ListReaderPacksCutsAndStopsAtTwenty) {
    std::vector<std::string> names;
    struct Case {
        std::string bytes;
        bool ok;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"Velkarion*A***B#C*", true, {"A", "B"}},
        {"Velkarion*ABCDEFGHIJKLMNOPQ*X", true, {"ABCDEFGHIJKLMN", "X"}},
        {"Velkarian*A*B#", false, {}},
        {"Velk", false, {}},
        {"Velkarion", true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(parseLibraryList(c.bytes, names), c.ok);
        EXPECT_EQ(names, c.names);
    }
    std::string many = "Velkarion";
    for (int i = 0; i < 25; ++i) many += "*L" + std::to_string(i);
    parseLibraryList(many + "#", names);
    EXPECT_EQ(names.size(), 20u);
    EXPECT_EQ(names.back(), "L19");
}

TEST_F(Libraries, FullListReadsBackAndRefusesTheTwentyFirst) {
    std::vector<std::string> names;
    for (int i = 0; i < 20; ++i) names.push_back("Lib" + std::to_string(i));
    session.writeFile("LIBRERIAS.CFG", listFile(names));
    open([&](DialogDriver& d) {
        EXPECT_EQ(items(d, kLibrary).size(), 20u);
        session.clearMessages();
        d.setText(kLibrary, "Nueva");
        d.click(1008);
    });
    EXPECT_EQ(texts(session), (std::vector<std::string>{"Excedido el número máximo de librerias"}));
    EXPECT_EQ(g_libraryCount, 20);
}

TEST_F(Libraries, AddingRefusesDuplicatesAndBadNamesAndRewritesTheList) {
    session.writeFile("LIBRERIAS.CFG", listFile({"AB"}));
    session.writeFile("AB.lib", "Velkarion_LIB#");
    open([&](DialogDriver& d) {
        for (const char* bad : {"1abc", "a*b", "a#b", "a$b", "a/b", "a\\b", "a:b", "a..b"}) {
            SCOPED_TRACE(bad);
            d.setText(kLibrary, bad);
            d.click(1008);
            EXPECT_EQ(items(d, kLibrary).size(), 1u);
        }
        EXPECT_TRUE(session.messages().empty());
        d.setText(kLibrary, "AB");
        d.click(1008);
        d.setText(kLibrary, "ab");
        d.click(1008);
        EXPECT_EQ(items(d, kLibrary), (std::vector<std::string>{"AB", "ab"}));
    });
    EXPECT_EQ(texts(session), (std::vector<std::string>{"Esa librería ya exite"}));
    EXPECT_EQ(read("LIBRERIAS.CFG"), listFile({"AB", "ab"}));
}

TEST_F(Libraries, DeletedSlotsAreNotReusedUntilTheListIsReadAgain) {
    session.writeFile("LIBRERIAS.CFG", listFile({"AB"}));
    session.writeFile("AB.lib", "Velkarion_LIB#");
    open([&](DialogDriver& d) {
        for (int i = 0; i < 19; ++i) {
            d.setText(kLibrary, "N" + std::to_string(i));
            d.click(1008);
        }
        d.select(kLibrary, "AB");
        d.click(1010);
        EXPECT_EQ(items(d, kLibrary).size(), 19u);
        d.setText(kLibrary, "Otra");
        d.click(1008);
    });
    EXPECT_EQ(texts(session).back(), "Excedido el número máximo de librerias");
    std::vector<std::string> names;
    ASSERT_TRUE(parseLibraryList(read("LIBRERIAS.CFG"), names));
    EXPECT_EQ(names.size(), 19u);
    EXPECT_EQ(names.front(), "N0");
}

TEST_F(Libraries, SymbolsAreAddedToTheListOnly) {
    session.writeFile("LIBRERIAS.CFG", listFile({"AB"}));
    session.writeFile("AB.lib", "Velkarion_LIBabc*");
    open([&](DialogDriver& d) {
        d.setText(kSymbol, "abc");
        d.click(1009);
        d.setText(kSymbol, "9x");
        d.click(1009);
        d.setText(kSymbol, "Motor");
        d.click(1009);
        d.click(1011);
        EXPECT_EQ(items(d, kSymbol), (std::vector<std::string>{"abc", "Motor"}));
    });
    EXPECT_EQ(texts(session), (std::vector<std::string>{"Ese símbolo ya exite"}));
    EXPECT_EQ(read("AB.lib"), "Velkarion_LIBabc*");
}

TEST_F(Libraries, MissingOrWrongListIsSilent) {
    open([&](DialogDriver& d) { EXPECT_TRUE(items(d, kLibrary).empty()); });
    session.writeFile("LIBRERIAS.CFG", "Xelkarion*AB#");
    open([&](DialogDriver& d) { EXPECT_TRUE(items(d, kLibrary).empty()); });
    EXPECT_TRUE(session.messages().empty());
}

TEST_F(Libraries, EditSymbolRunsTheEditorForTheChosenNames) {
    session.writeFile("LIBRERIAS.CFG", listFile({"AB"}));
    session.writeFile("AB.lib", "Velkarion_LIBabc*");
    session.answerDialog(IDD_LIBRERIAS, [&](DialogDriver& d) {
        d.click(1012);
        d.click(IDOK);
    });
    session.answerDialog(133, [](DialogDriver& d) { d.click(IDCANCEL); });
    session.openLibraries();
    EXPECT_EQ(g_editorLibraryName, "AB");
    EXPECT_EQ(g_editorSymbolName, "abc");
    EXPECT_EQ(session.modalRuns(), (std::vector<int>{IDD_LIBRERIAS, 133}));
}

// A typed name with a character outside the code page can be no list entry and
// no file name: every button that takes a typed name refuses it as it refuses a
// name that starts with a digit, and nothing is written.
TEST(LibrariesTyped, NamesOutsideTheCodePageAreRefusedLikeBadNames) {
    struct Row {
        const char* name;
        int field;
        const char* typed;
        int button;
        bool fullList;
        std::vector<std::string> messages;
    };
    const std::vector<std::string> full = {"Excedido el número máximo de librerias"};
    const Row rows[] = {
        {"new library of a letter and two outside", kLibrary, "A日本", 1008, false, {}},
        {"new library of nothing but characters outside", kLibrary, "日本", 1008, false, {}},
        {"new library of a bad name, for comparison", kLibrary, "1abc", 1008, false, {}},
        {"new library with the list full", kLibrary, "A日本", 1008, true, full},
        {"new symbol", kSymbol, "M日", 1009, false, {}},
        {"editor for the typed library", kLibrary, "A日本", 1012, false, {}},
        {"editor for the typed symbol", kSymbol, "m日", 1012, false, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session s;
        std::vector<std::string> names = {"AB"};
        for (int i = 1; row.fullList && i < kLibrarySlots; ++i) names.push_back("Lib" + std::to_string(i));
        s.writeFile("LIBRERIAS.CFG", listFile(names));
        s.writeFile("AB.lib", "Velkarion_LIBabc*");
        const auto filesBefore = filesIn(s.workDir());
        const std::string editorLibrary = g_editorLibraryName;
        std::vector<std::string> librariesBefore, librariesAfter, symbolsAfter;
        s.answerDialog(IDD_LIBRERIAS, [&](DialogDriver& d) {
            librariesBefore = items(d, kLibrary);
            d.setText(row.field, row.typed);
            ASSERT_EQ(d.text(row.field), row.typed) << "the field takes what was typed";
            d.click(row.button);
            librariesAfter = items(d, kLibrary);
            symbolsAfter = items(d, kSymbol);
            d.click(IDOK);
        });
        // Answered in case it runs, so that a fault shows as a run, not a throw.
        s.answerDialog(133, [](DialogDriver& d) { d.click(IDCANCEL); });
        s.openLibraries();

        EXPECT_EQ(texts(s), row.messages);
        EXPECT_EQ(librariesAfter, librariesBefore);
        EXPECT_EQ(symbolsAfter, std::vector<std::string>{"abc"});
        EXPECT_EQ(s.modalRuns(), std::vector<int>{IDD_LIBRERIAS}) << "no editor";
        EXPECT_EQ(g_editorLibraryName, editorLibrary);
        EXPECT_EQ(filesIn(s.workDir()), filesBefore) << "no list change, no library file";
    }
}

// A hand-made list may name a library with a byte that has no character; the
// name is shown with a replacement mark and is still chosen, compared and
// deleted as the name the list holds.
TEST_F(Libraries, AListedNameWithAByteWithoutACharacterIsTakenAsStored) {
    const std::string odd = "K\x81L";
    session.writeFile("LIBRERIAS.CFG", listFile({"AB", odd}));
    session.writeFile("AB.lib", "Velkarion_LIBabc*");
    // On disk the file is named as the name is shown.
    session.writeFile(TextCodec1250::toUtf8(odd) + ".lib", "Velkarion_LIBmotor*");
    session.answerDialog(133, [](DialogDriver& d) { d.click(IDCANCEL); });
    open([&](DialogDriver& d) {
        const std::string shown = TextCodec1250::toUtf8(odd);
        d.select(kLibrary, shown);
        EXPECT_EQ(items(d, kSymbol), std::vector<std::string>{"motor"});
        d.click(1012);
        EXPECT_EQ(g_editorLibraryName, odd);
        d.click(1008);
        d.click(1010);
        EXPECT_EQ(items(d, kLibrary), std::vector<std::string>{"AB"});
    });
    EXPECT_EQ(texts(session), std::vector<std::string>{"Esa librería ya exite"});
    EXPECT_EQ(read("LIBRERIAS.CFG"), listFile({"AB"}));
}

}  // namespace
