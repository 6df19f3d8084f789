#pragma once
// Sheets of picture items as the tests open them through the test kit: a sheet
// naming bitmap files, the picture import as the user answers its dialog, the
// message texts shown, and Save As then Open keeping every item.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_test_support.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

namespace velk::picturetest {

// A sheet of picture items, one per name, each 10 x 10 units, side by side, with
// no grid, so that an empty frame is white inside.
inline std::string pictureSheet(const std::vector<std::string>& names) {
    const std::string fixture = filetest::readBytes(filetest::fixturePath("picture_item.cad"));
    std::string text = "Velkarion";
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string x = std::to_string(40 + 15 * static_cast<int>(i));
        const std::string x2 = std::to_string(50 + 15 * static_cast<int>(i));
        text += "*" + std::to_string(i) + "*9##########*0*0*0*0*0*0*0*0*" + x + "*40*" + x2 +
                "*50*0*0*0*0*0*0*0*0*0*0*0#" + names[i];
    }
    std::string tail = fixture.substr(fixture.find("$$$"));
    const std::string withGrid = "$$$*1*1*1*2*2*0*1*";
    EXPECT_EQ(tail.compare(0, withGrid.size(), withGrid), 0);
    tail.replace(0, withGrid.size(), "$$$*1*1*1*2*2*0*0*");
    return text + tail;
}

// The picture dialog as the user answers it: "Wybierz obraz", then OK, with the
// file box that opens answered by `path`.
constexpr int kPictureDialog = 223;
inline void importPicture(testkit::Session& s, CVelkarionView& v, const std::string& path) {
    s.answerDialog(kPictureDialog, [](testkit::DialogDriver& d) {
        d.click(1100);
        d.click(IDOK);
    });
    s.answerFileDialogs({path});
    s.command(v, ID_FILE_IMPORT_PICTURE);
}

inline std::vector<std::string> messagesOf(const testkit::Session& s) {
    std::vector<std::string> texts;
    for (const BoxRecord& box : s.messages()) texts.push_back(box.text);
    return texts;
}

// Save As under another name, then Open of that file: every item comes back with
// its name, whatever became of its picture.
inline void expectSaveKeepsEveryItem(testkit::Session& s, CVelkarionView& v, const std::vector<std::string>& names) {
    const std::string copy = s.workDir() + "/saved.cad";
    s.answerFileDialogs({copy});
    s.command(v, ID_FILE_SAVE_AS);
    CVelkarionView& back = s.openSheet(copy);
    ASSERT_EQ(back.m_componentCount, static_cast<int>(names.size()));
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(back.m_type[i], kTypePicture) << i;
        EXPECT_EQ(back.m_paramText[i], names[i]) << i;
    }
}

}  // namespace velk::picturetest
