// The names Save As gives a sheet: a name typed without an extension is saved as
// a sheet, where Open lists it, and the question whether to replace a file is
// asked about the file that would be written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "file_test_support.h"
#include "model/VelkarionView.h"
#include "platform/filedlg.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::filetest::readBytes;
using velk::filetest::writeBytes;
using velk::testkit::Session;

namespace {

// The entries of the type list the Open dialog offers, as File Open asks for them.
std::vector<FilterEntry> openDialogTypes(Session& session) {
    session.answerFileDialogs({""});
    session.command(ID_FILE_OPEN);
    return parseFileFilter(session.fileDialogs().back().filter);
}

}  // namespace

TEST(FileNames, SaveAsGivesANameWithoutAnExtensionTheSheetOne) {
    struct Row {
        const char* typed;
        const char* saved;
    };
    // What counts as an extension: a dot, not the name's first character, then a
    // text with no blank that is not only digits.
    const Row rows[] = {
        {"circuit", "circuit.cad"},
        {"v1.2 sheet", "v1.2 sheet.cad"},  // the dot belongs to a version number
        {"v1.2", "v1.2.cad"},
        {"plan.", "plan.cad"},
        {".cad", ".cad.cad"},  // a name that only starts with a dot
        {"motor.cad", "motor.cad"},
        {"motor.old", "motor.old"},
    };
    Session session;
    CVelkarionView& view = session.newSheet();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        const std::string folder = session.workDir() + "/";
        session.answerFileDialogs({folder + row.typed});
        session.command(view, ID_FILE_SAVE_AS);
        EXPECT_EQ(session.windowTitle(view), row.saved);
        EXPECT_EQ(readBytes(folder + row.saved).substr(0, 9), "Velkarion");
        if (std::string(row.typed) != row.saved) {
            EXPECT_FALSE(std::filesystem::exists(folder + row.typed));
        }
        EXPECT_TRUE(session.messages().empty());

        // Open lists the file under all files, and under the sheets when it is one.
        const std::vector<FilterEntry> types = openDialogTypes(session);
        ASSERT_EQ(types.size(), 2u);
        const bool isSheet = std::filesystem::path(row.saved).extension() == ".cad";
        EXPECT_EQ(fileDialogLists(types[0], row.saved), isSheet);
        EXPECT_TRUE(fileDialogLists(types[1], row.saved));
    }
}

TEST(FileNames, ReplacingIsAskedAboutTheFileThatWouldBeWritten) {
    struct Row {
        const char* name;
        std::vector<const char*> present;  // files there before, each holding "old"
        std::vector<std::string> typed;    // the dialog's answers, "" cancels
        std::vector<BoxAnswer> answers;
        int questions;
        std::vector<const char*> replaced;  // files written by the Save As
        const char* title;
    };
    const std::vector<Row> rows = {
        {"completed name there, Yes", {"circuit.cad"}, {"circuit"}, {BoxAnswer::Yes}, 1, {"circuit.cad"},
         "circuit.cad"},
        {"completed name there, No, then another name",
         {"circuit.cad"},
         {"circuit", "circuit2"},
         {BoxAnswer::No},
         1,
         {"circuit2.cad"},
         "circuit2.cad"},
        {"completed name there, No, then Cancel", {"circuit.cad"}, {"circuit", ""}, {BoxAnswer::No}, 1, {}, "Velkar1"},
        {"only the typed name there", {"circuit"}, {"circuit"}, {}, 0, {"circuit.cad"}, "circuit.cad"},
        // The dialog itself asks about a file picked with its whole name.
        {"whole name picked", {"circuit.cad"}, {"circuit.cad"}, {}, 0, {"circuit.cad"}, "circuit.cad"},
        // Looked for under the name the system gives the file, not its code-page bytes.
        {"completed name of the code page there, No", {"obwód.cad"}, {"obwód", ""}, {BoxAnswer::No}, 1, {}, "Velkar1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session session;
        const std::string folder = session.workDir() + "/";
        for (const char* name : row.present) writeBytes(folder + name, "old");
        CVelkarionView& view = session.newSheet();
        std::vector<std::string> answers;
        for (const std::string& t : row.typed) answers.push_back(t.empty() ? t : cp1250((folder + t).c_str()));
        session.answerFileDialogs(answers);
        session.answerBoxes(row.answers);
        session.command(view, ID_FILE_SAVE_AS);

        ASSERT_EQ(static_cast<int>(session.messages().size()), row.questions);
        for (const BoxRecord& box : session.messages()) {
            // The toolkit's own question, in the language of the other standard dialogs.
            EXPECT_EQ(box.text, std::string(row.present[0]) + " już istnieje.\nCzy chcesz go zastąpić?");
            EXPECT_EQ(box.caption, "Zachowaj jako");
            EXPECT_EQ(box.buttons, BoxButtons::YesNo);
            EXPECT_EQ(box.icon, BoxIcon::Warning);
        }
        // After No the dialog comes back at the completed name.
        ASSERT_EQ(session.fileDialogs().size(), row.typed.size());
        if (row.typed.size() > 1) {
            EXPECT_EQ(session.fileDialogs()[1].initialName, cp1250((folder + row.present[0]).c_str()));
        }
        for (const char* name : row.present) {
            const bool written = std::find(row.replaced.begin(), row.replaced.end(), std::string(name)) !=
                                 row.replaced.end();
            EXPECT_EQ(readBytes(folder + name) == "old", !written) << name;
        }
        for (const char* name : row.replaced) EXPECT_EQ(readBytes(folder + name).substr(0, 9), "Velkarion") << name;
        EXPECT_EQ(session.windowTitle(view), row.title);
    }
}
