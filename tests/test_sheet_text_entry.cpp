// Texts typed into the sheet keep only what the sheet file can hold: the file's
// separators and characters without a Windows-1250 byte never reach a saved file.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "dialogs/Texto.h"
#include "file_test_support.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/text1250.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::filetest::readBytes;
using velk::testkit::Session;

namespace {
// The text dialog's edit.
constexpr int kTextEdit = 1040;
}  // namespace

TEST(SheetTextEntry, RefusedCharactersNeverReachASavedFile) {
    struct Row {
        const char* name;
        std::string typed;  // Windows-1250 bytes as the keyboard gave them
        std::string kept;
    };
    const Row rows[] = {
        {"a star would start a new record", "a*b", "ab"},
        {"a hash would end the terminal names", "x#y", "xy"},
        {"a dollar would end the items", "x$y", "xy"},
        {"all three among Polish letters", cp1250("Łą*c#z$ę"), cp1250("Łączę")},
        {"a byte with no character", std::string("k\x81\x98l"), "kl"},
        {"nothing left", "*#$", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session session;
        CVelkarionView& v = session.newSheet();
        // Typed into the text dialog's edit, character by character as the keyboard
        // gives them.
        session.answerDialog(IDD_TEXTO, [&](testkit::DialogDriver& d) {
            d.setText(kTextEdit, TextCodec1250::toUtf8(row.typed));
            d.click(IDOK);
        });
        session.command(v, ID_TOOL_TEXT);
        const Point at = session.unitsToWindow(v, 60, 60);
        session.press(v, at.x, at.y);
        session.release(v, at.x, at.y);
        if (row.kept.empty()) {
            EXPECT_EQ(v.m_componentCount, 0) << "a text with nothing to show is not placed";
            continue;
        }
        ASSERT_EQ(v.m_componentCount, 1);
        EXPECT_EQ(v.m_paramText[0], row.kept);

        session.answerFileDialogs({session.workDir() + "/texts.cad"});
        session.command(v, ID_FILE_SAVE_AS);
        const std::string saved = readBytes(session.workDir() + "/texts.cad");
        const std::size_t itemsEnd = saved.find("$$$");
        ASSERT_NE(itemsEnd, std::string::npos);
        const std::string items = saved.substr(0, itemsEnd);
        EXPECT_EQ(items.find('$'), std::string::npos);
        EXPECT_EQ(items.find("\x81"), std::string::npos);

        CVelkarionView& reopened = session.openSheet(session.workDir() + "/texts.cad");
        ASSERT_EQ(reopened.m_componentCount, 1) << "the text is still one item";
        EXPECT_EQ(reopened.m_type[0], kTypeText);
        EXPECT_EQ(reopened.m_paramText[0], row.kept);
    }
}
