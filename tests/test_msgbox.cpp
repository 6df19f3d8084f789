// Message boxes and their deferral past paints, the one-shot open answer and the
// filter text of file dialogs, the settings store and the beep.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/filedlg.h"
#include "platform/msgbox.h"
#include "platform/settings.h"
#include "platform/text1250.h"
#include "platform/window.h"

using namespace velk;

namespace {

// Every box goes into `log`, answered with Ok.
struct BoxLog {
    std::vector<std::string> log;
    BoxLog() {
        setMessageBoxHandler([this](const BoxRecord& b) {
            log.push_back("box:" + b.text);
            return BoxAnswer::Ok;
        });
    }
    ~BoxLog() { setMessageBoxHandler(nullptr); }
};

class AskingView : public View {
public:
    explicit AskingView(BoxLog& log) : m_log(log) { resizeClient(20, 20); }
    void onPaint(Dc&) override {
        m_log.log.push_back("paint begins");
        answers.push_back(messageBox("first"));
        runAfterPaint([this] { m_log.log.push_back("action"); });
        answers.push_back(messageBox("second", "Error", BoxIcon::Stop));
        m_log.log.push_back("paint ends");
    }
    std::vector<BoxAnswer> answers;

private:
    BoxLog& m_log;
};

struct TempDir {
    std::filesystem::path path;
    std::filesystem::path before = std::filesystem::current_path();
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velk-msg-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::filesystem::current_path(before);
        std::filesystem::remove_all(path);
    }
};

}  // namespace

TEST(MessageBox, BoxesAskedInsideAPaintComeAfterItInOrder) {
    BoxLog boxes;
    AskingView v(boxes);
    v.runPendingPaint();  // the first paint after sizing the window
    const std::vector<std::string> expected = {"paint begins", "paint ends", "box:first", "action", "box:second"};
    EXPECT_EQ(boxes.log, expected);
    // The paint went on at once with OK, whatever the box would have answered.
    EXPECT_EQ(v.answers, (std::vector<BoxAnswer>{BoxAnswer::Ok, BoxAnswer::Ok}));
    EXPECT_FALSE(hasDeferredBoxes());
}

TEST(MessageBox, OutsideAPaintABoxIsShownAtOnceWithItsCaptionAndIcon) {
    std::vector<BoxRecord> shown;
    setMessageBoxHandler([&](const BoxRecord& b) {
        shown.push_back(b);
        return BoxAnswer::Yes;
    });
    const BoxAnswer plain = messageBox(cp1250("El archivo de configuración no es valido"));
    runAfterPaint([&] { shown.push_back({"action", "", BoxIcon::None, BoxButtons::Ok}); });
    const BoxAnswer fault = messageBox("Cortocircuito", "Error", BoxIcon::Stop);
    setMessageBoxHandler(nullptr);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(plain, BoxAnswer::Yes);
    EXPECT_EQ(fault, BoxAnswer::Yes);
    EXPECT_EQ(shown[0].caption, "Velkarion");
    EXPECT_EQ(shown[0].icon, BoxIcon::None);
    EXPECT_EQ(shown[0].text, cp1250("El archivo de configuración no es valido"));
    EXPECT_EQ(shown[1].text, "action");
    EXPECT_EQ(shown[2].caption, "Error");
    EXPECT_EQ(shown[2].icon, BoxIcon::Stop);
}

TEST(MessageBox, BeepsAreCounted) {
    BoxLog quiet;  // keeps the toolkit's sound out of the test
    const int before = beepCount();
    messageBeep();
    messageBeep();
    EXPECT_EQ(beepCount(), before + 2);
}

TEST(FileDialog, FilterTextSplitsIntoDescriptionAndPattern) {
    struct Row {
        const char* filter;
        std::vector<std::string> flat;  // description, pattern, ...
    };
    const Row rows[] = {
        {"Archivos Velkarion (*.cad)|*.cad|Todos los archivos (*.*) |*.*||",
         {"Archivos Velkarion (*.cad)", "*.cad", "Todos los archivos (*.*) ", "*.*"}},
        {"Mapa de bits (*.bmp)|*.bmp||", {"Mapa de bits (*.bmp)", "*.bmp"}},
        {"", {}},
        {"only a description", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.filter);
        std::vector<std::string> flat;
        for (const FilterEntry& e : parseFileFilter(row.filter)) {
            flat.push_back(e.description);
            flat.push_back(e.pattern);
        }
        EXPECT_EQ(flat, row.flat);
    }
}

// The type list names each pattern once, in the brackets the toolkit reads.
TEST(FileDialog, TypeListShowsThePatternsOnce) {
    struct Row {
        FilterEntry entry;
        const char* label;
    };
    const Row rows[] = {
        {{"Archivos Velkarion (*.cad)", "*.cad"}, "Archivos Velkarion (*.cad)"},
        {{"Todos los archivos (*.*) ", "*.*"}, "Todos los archivos (*.*)"},
        {{"Mapas de bits", "*.bmp;*.dib"}, "Mapas de bits (*.bmp *.dib)"},
        {{"Obrazki (*.bmp)", "*.dib"}, "Obrazki (*.bmp) (*.dib)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(fileFilterLabel(row.entry), row.label);
    }
}

// What each type of the list shows: "*.*" every file, names without a dot too.
TEST(FileDialog, AllFilesListsEveryFileAndAPatternWhatItSays) {
    const std::vector<FilterEntry> sheets =
        parseFileFilter("Archivos Velkarion (*.cad)|*.cad|Todos los archivos (*.*) |*.*||");
    ASSERT_EQ(sheets.size(), 2u);
    const FilterEntry pictures{"Mapas de bits", "*.bmp;*.dib"};
    struct Row {
        const char* file;
        bool asSheet;
        bool asPicture;
    };
    const Row rows[] = {
        {"circuit", false, false},  {"circuit.cad", true, false}, {"v1.2 sheet", false, false},
        {"notes.txt", false, false}, {"plan.dib", false, true},   {"plan.bmp", false, true},
        {"cad", false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        EXPECT_EQ(fileDialogLists(sheets[0], row.file), row.asSheet);
        EXPECT_TRUE(fileDialogLists(sheets[1], row.file));
        EXPECT_EQ(fileDialogLists(pictures, row.file), row.asPicture);
    }
}

TEST(FileDialog, AChosenFileComesBackWholeAndItsFolderBecomesCurrent) {
    TempDir dir;
    std::filesystem::create_directory(dir.path / "sheets");
    std::filesystem::current_path(dir.path);
    std::vector<FileDialogRequest> asked;
    std::vector<std::string> answers = {"sheets/motor.cad", "", "sheets/plain"};
    setFileDialogHandler([&](const FileDialogRequest& r) -> std::optional<std::string> {
        asked.push_back(r);
        std::string a = answers.front();
        answers.erase(answers.begin());
        return a;
    });

    FileDialogRequest open;
    const auto chosen = runFileDialog(open);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, (dir.path / "sheets" / "motor.cad").lexically_normal().string());
    EXPECT_EQ(std::filesystem::current_path(), dir.path / "sheets");

    EXPECT_FALSE(runFileDialog(open).has_value()) << "an empty answer cancels";
    EXPECT_EQ(std::filesystem::current_path(), dir.path / "sheets") << "a cancel moves nothing";

    std::filesystem::current_path(dir.path);
    FileDialogRequest save;
    save.save = true;
    save.defaultExt = "bmp";
    EXPECT_EQ(*runFileDialog(save), (dir.path / "sheets" / "plain.bmp").string());

    // The open route's answer is used once, for an open dialog only.
    std::filesystem::current_path(dir.path);
    presetNextOpenDialog((dir.path / "x.cad").string());
    answers = {"sheets/from-handler.cad", "sheets/again.cad"};
    EXPECT_EQ(*runFileDialog(save), (dir.path / "sheets" / "from-handler.cad").string());
    EXPECT_EQ(*runFileDialog(open), (dir.path / "x.cad").string());
    EXPECT_EQ(*runFileDialog(open), (dir.path / "sheets" / "again.cad").string());
    EXPECT_EQ(asked.size(), 5u) << "the preset answer asked no one";
    setFileDialogHandler(nullptr);
}

TEST(Settings, ValuesRoundTripThroughTheFileIncludingPolishText) {
    TempDir dir;
    const std::string file = (dir.path / "settings.ini").string();
    const std::string polish = cp1250("Źródła zasilania");
    Settings::useFile(file);
    Settings::writeString("Recent File List", "File1", polish);
    Settings::writeInt("AjustesDeBarrasDeHerrmientas", "Bars", 17);
    Settings::sync();
    Settings::useFile(file);  // read back from the file itself
    EXPECT_EQ(Settings::readString("Recent File List", "File1"), polish);
    EXPECT_EQ(Settings::readInt("AjustesDeBarrasDeHerrmientas", "Bars"), 17);
    EXPECT_EQ(Settings::readString("Recent File List", "File2", "none"), "none");
    EXPECT_EQ(Settings::readInt("Recent File List", "File1", -3), -3) << "a text is no number";
    EXPECT_TRUE(Settings::hasSection("AjustesDeBarrasDeHerrmientas"));
    EXPECT_FALSE(Settings::hasSection("Nothing"));
    Settings::removeEntry("Recent File List", "File1");
    EXPECT_EQ(Settings::readString("Recent File List", "File1"), "");
    Settings::useFile(std::string());
}
