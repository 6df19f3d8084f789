// The configuration dialog and the settings file: the line's columns, the mm
// conversions, the scroll area per page format, the speed slider, and the
// dialog driven as a user would (Zapisz, Przywróć, Anuluj, a file that cannot be written).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/VelkarionDoc.h"
#include "dialogs/Configuracion.h"
#include "model/ConfigFile.h"
#include "model/VelkarionView.h"
#include "platform/text1250.h"
#include "platform/window.h"
#include "render/Clock.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testkit::DialogDriver;
using velk::testkit::Session;

namespace {

constexpr const char* kDefaultLine = "Velkarion*1*1*0*1*0*0*1*0*  0*  0*1.0000*2*1*  0*  0*1*2*  50$$$";
constexpr int kSlider = 1081;

struct SpeedReset {
    ~SpeedReset() { g_simSpeed = 50; }
};

std::string readSettingsFile(const Session& session) {
    std::ifstream in(std::filesystem::path(session.workDir()) / kConfigFileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(ConfigFile, DefaultsWriteTheSixtyFourCharacterLine) {
    const std::string line = formatConfigLine(ConfigSettings{});
    EXPECT_EQ(line, kDefaultLine);
    EXPECT_EQ(line.size(), 64u);
}

TEST(ConfigFile, EveryWrittenLineReadsBackEqual) {
    ConfigSettings a;
    ConfigSettings b;
    b.pageFormat = 4, b.showFrame = 0, b.refsVertical = 1, b.showTerminalRefs = 0, b.showConnectionSymbols = 1;
    b.showWireLabels = 1, b.autoJunction = 0, b.guideLines = 1, b.printOffsetX = 100, b.printOffsetY = 7;
    b.printScale = 2.5f, b.printLineWidth = 5, b.printInColor = 0, b.pageWidth = 891, b.pageHeight = 896;
    b.showZoneRefs = 0, b.titleBlockKind = 0, b.simSpeed = 100;
    ConfigSettings c;
    c.printScale = 0.1f, c.simSpeed = 1, c.pageWidth = 1, c.pageHeight = 1;
    for (const ConfigSettings& s : {a, b, c}) {
        const std::string line = formatConfigLine(s);
        SCOPED_TRACE(line);
        EXPECT_EQ(line.size(), 64u);
        ConfigSettings back;
        back.pageFormat = 3;  // anything: every field is taken
        ASSERT_TRUE(parseConfigLine(line, back));
        // Every field has its own columns, so equal lines mean equal settings.
        EXPECT_EQ(formatConfigLine(back), line);
        EXPECT_EQ(back.pageWidth, s.pageWidth);
        EXPECT_EQ(back.simSpeed, s.simSpeed);
        EXPECT_FLOAT_EQ(back.printScale, s.printScale);
    }
}

TEST(ConfigFile, HeaderInOtherCaseIsRefusedAndShortFilesKeepTheRest) {
    ConfigSettings s;
    s.pageFormat = 3;
    EXPECT_FALSE(parseConfigLine("VELKARION*1*1*0*1*0*0*1*0*  0*  0*1.0000*2*1*  0*  0*1*2*  50$$$", s));
    EXPECT_EQ(s.pageFormat, 3);

    // Forty characters in a buffer of exactly that size: the sanitizer sees any over-read.
    ConfigSettings kept;
    kept.pageWidth = 234, kept.pageHeight = 333, kept.printLineWidth = 4, kept.simSpeed = 77;
    const std::string full = "Velkarion*0*0*1*0*1*1*0*1* 12* 34*2.5000*3*0*500*600*0*1*  90$$$";
    const std::string cut = full.substr(0, 40);
    ASSERT_TRUE(parseConfigLine(cut, kept));
    EXPECT_EQ(kept.pageFormat, 0);
    EXPECT_EQ(kept.printOffsetX, 12);
    EXPECT_EQ(kept.printOffsetY, 34);
    EXPECT_FLOAT_EQ(kept.printScale, 2.5f);
    EXPECT_EQ(kept.printLineWidth, 4);
    EXPECT_EQ(kept.pageWidth, 234);
    EXPECT_EQ(kept.pageHeight, 333);
    EXPECT_EQ(kept.simSpeed, 77);
}

TEST(ConfigDialog, MillimetresAndDrawingUnits) {
    struct Row {
        int mm, width, widthShown, height, heightShown;
    };
    const Row rows[] = {{210, 234, 210, 235, 209}, {297, 330, 296, 333, 297}, {1, 1, 210, 1, 297},
                        {800, 891, 799, 896, 799}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.mm);
        EXPECT_EQ(mmToPageWidth(r.mm), r.width);
        EXPECT_EQ(pageWidthToMm(r.width), r.widthShown);
        EXPECT_EQ(mmToPageHeight(r.mm), r.height);
        EXPECT_EQ(pageHeightToMm(r.height), r.heightShown);
    }
    EXPECT_EQ(pageWidthToMm(0), 210);
    EXPECT_EQ(pageHeightToMm(0), 297);
}

// Millimetres do not convert back to the same drawing units, so a size field the
// user leaves alone keeps the stored units exactly, however often the dialog is
// opened and closed; a size typed in converts as it always does.
TEST(ConfigDialog, UntouchedSheetSizesKeepTheirUnits) {
    constexpr int kOk = IDOK, kZapisz = 1101;
    constexpr int kWidthMm = 1059, kHeightMm = 1058;
    struct Row {
        const char* name;
        int width, height;                    // stored before
        std::vector<std::string> typedWidth;  // typed in turn; none: left alone
        std::vector<std::string> typedHeight;
        int button;
        int storedWidth, storedHeight;        // after, in the sheet and in config.cfg
        const char* shownWidth;               // on opening again
        const char* shownHeight;
    };
    const Row rows[] = {
        {"297 x 297 mm left alone, OK", 330, 333, {}, {}, kOk, 330, 333, "296", "297"},
        {"297 x 210 mm left alone, Zapisz", 330, 235, {}, {}, kZapisz, 330, 235, "296", "209"},
        // A side too small to show itself is shown as the A4 side, and OK stores
        // what the field shows: a user page picked then is A4, not one of no size.
        {"never set, Zapisz", 0, 0, {}, {}, kZapisz, 234, 333, "210", "297"},
        {"never set, OK", 0, 0, {}, {}, kOk, 234, 333, "210", "297"},
        {"800 mm left alone", 891, 896, {}, {}, kZapisz, 891, 896, "799", "799"},
        {"1 unit, shown as A4, left alone", 1, 1, {}, {}, kOk, 234, 333, "210", "297"},
        {"210 mm wide typed", 330, 235, {"210"}, {}, kZapisz, 234, 235, "210", "209"},
        {"297 mm wide typed", 0, 0, {"297"}, {}, kOk, 330, 333, "296", "297"},
        {"297 mm high typed", 330, 235, {}, {"297"}, kZapisz, 330, 333, "296", "297"},
        {"210 mm high typed", 0, 0, {}, {"210"}, kOk, 234, 235, "210", "209"},
        {"typed, then back to what was shown", 330, 235, {"", "2", "296"}, {"29", "209"}, kZapisz, 330, 235, "296",
         "209"},
    };
    SpeedReset speedReset;
    Session session;
    CVelkarionView& view = session.newSheet();
    CVelkarionDoc& doc = session.document(view);
    const auto expectStored = [&](const Row& r, int button) {
        EXPECT_EQ(doc.m_pageWidth, r.storedWidth);
        EXPECT_EQ(doc.m_pageHeight, r.storedHeight);
        if (button != kZapisz) return;
        const std::string line = readSettingsFile(session);
        ASSERT_EQ(line.size(), 64u);
        char sizes[8];
        std::snprintf(sizes, sizeof sizes, "%3d*%3d", r.storedWidth, r.storedHeight);
        EXPECT_EQ(line.substr(45, 7), sizes);
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        doc.m_pageWidth = r.width;
        doc.m_pageHeight = r.height;
        doc.setModified(false);
        session.answerDialog(IDD_CONFIGURACION, [&](DialogDriver& d) {
            for (const std::string& t : r.typedWidth) d.setText(kWidthMm, t);
            for (const std::string& t : r.typedHeight) d.setText(kHeightMm, t);
            d.click(r.button);
        });
        session.command(view, ID_FILE_CONFIGURATION);
        expectStored(r, r.button);
        const bool changed = r.storedWidth != r.width || r.storedHeight != r.height;
        EXPECT_EQ(doc.isModified(), changed) << "only a changed size makes the sheet modified";

        // Opened again and again and left alone: nothing moves.
        for (int button : {kOk, kZapisz, kOk}) {
            std::string shownWidth, shownHeight;
            session.answerDialog(IDD_CONFIGURACION, [&](DialogDriver& d) {
                shownWidth = d.text(kWidthMm);
                shownHeight = d.text(kHeightMm);
                d.click(button);
            });
            session.command(view, ID_FILE_CONFIGURATION);
            EXPECT_EQ(shownWidth, r.shownWidth);
            EXPECT_EQ(shownHeight, r.shownHeight);
            expectStored(r, button);
        }
        EXPECT_TRUE(session.messages().empty());
    }
}

TEST(ConfigDialog, OkSizesTheScrollAreaByPageFormat) {
    struct Row {
        int format, width, height, lineX, lineY;
    };
    const Row rows[] = {{0, 474, 674, 4, 6},   {1, 674, 474, 6, 4},  {2, 940, 668, 9, 6},
                        {3, 940, 668, 9, 6},   {4, 468, 666, 4, 6},  {9, 674, 474, 6, 4}};
    SpeedReset speedReset;
    Session session;
    CVelkarionView& view = session.newSheet();
    CVelkarionDoc& doc = session.document(view);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.format);
        doc.m_zoom = 2.0;
        doc.m_pageFormat = r.format;  // 9: a value a hand-edited file could hold
        doc.m_pageWidth = 234;
        doc.m_pageHeight = 333;
        session.answerDialog(IDD_CONFIGURACION, [](DialogDriver& d) { d.enter(); });
        ASSERT_EQ(session.command(view, ID_FILE_CONFIGURATION), CommandResult::Handled);
        EXPECT_EQ(view.scrollTotalWidth(), r.width);
        EXPECT_EQ(view.scrollTotalHeight(), r.height);
        EXPECT_EQ(view.scrollPageSize(), (Point{r.width, r.height}));
        EXPECT_EQ(view.scrollLineSize(), (Point{r.lineX, r.lineY}));
    }
}

TEST(ConfigDialog, SliderStepsByPagesAndTakesAReleasedThumb) {
    SpeedReset speedReset;
    Session session;
    CVelkarionView& view = session.newSheet();
    struct Step {
        int code, position, stored;
    };
    const Step steps[] = {
        {kScrollThumbPosition, 95, 95}, {kScrollPageDown, 0, 100}, {kScrollPageDown, 0, 100},
        {kScrollThumbTrack, 30, 100},   {kScrollLineUp, 0, 100},   {kScrollTop, 0, 100},
        {kScrollThumbPosition, 5, 5},   {kScrollPageUp, 0, 1},     {kScrollEnd, 0, 1},
    };
    session.answerDialog(IDD_CONFIGURACION, [&](DialogDriver& d) {
        EXPECT_EQ(d.dialog().state(kSlider)->position, 50);
        EXPECT_EQ(d.dialog().state(kSlider)->tickFrequency, 10);
        for (const Step& s : steps) {
            SCOPED_TRACE(std::to_string(s.code) + " " + std::to_string(s.position));
            d.scroll(kSlider, s.code, s.position);
            EXPECT_EQ(g_speedSliderPos, s.stored);
        }
        d.enter();
    });
    session.command(view, ID_FILE_CONFIGURATION);
    EXPECT_EQ(g_simSpeed, 1);
}

TEST(ConfigDialog, SaveThenNewDocumentTakesTheSettings) {
    SpeedReset speedReset;
    Session session;
    CVelkarionView& view = session.newSheet();
    session.answerDialog(IDD_CONFIGURACION, [](DialogDriver& d) {
        // Typing, even emptied or wrong, shows no message until "Zapisz".
        for (int id : {1055, 1056, 1014, 1015, 1058, 1059}) {
            const std::string was = d.text(id);
            d.setText(id, "");
            d.setText(id, "x9");
            d.setText(id, was);
        }
        d.setText(1055, "7");
        d.scroll(kSlider, kScrollThumbPosition, 80);
        d.click(1101);
    });
    session.command(view, ID_FILE_CONFIGURATION);
    EXPECT_TRUE(session.messages().empty());
    EXPECT_EQ(session.document(view).m_printOffsetX, 7);
    const std::string line = readSettingsFile(session);
    EXPECT_EQ(line, "Velkarion*1*1*0*1*0*0*1*0*  7*  0*1.0000*2*1*234*333*1*2*  80$$$");

    g_simSpeed = 50;
    CVelkarionView& fresh = session.newSheet();
    EXPECT_EQ(session.document(fresh).m_printOffsetX, 7);
    EXPECT_EQ(g_simSpeed, 80);
    session.tick(fresh);
    EXPECT_EQ(fresh.timerPeriod(kSimulationTimerId), 200);
}

TEST(ConfigDialog, RestoreDefaultsThenSaveAndRestoreThenCancel) {
    SpeedReset speedReset;
    Session session;
    CVelkarionView& view = session.newSheet();
    CVelkarionDoc& doc = session.document(view);
    doc.m_pageFormat = 0;
    doc.m_printOffsetY = 9;
    doc.m_pageWidth = 330;
    doc.setModified(false);
    g_simSpeed = 70;

    // Przywróć, then Anuluj: the document is untouched, the speed is the one at opening.
    session.answerDialog(IDD_CONFIGURACION, [](DialogDriver& d) {
        EXPECT_TRUE(d.checked(1000));
        EXPECT_EQ(d.text(1059), "296");
        d.click(1102);
        EXPECT_EQ(g_simSpeed, 50);
        EXPECT_TRUE(d.checked(1001));
        EXPECT_FALSE(d.checked(1000));
        EXPECT_EQ(d.text(1059), "210");
        EXPECT_EQ(d.text(1058), "297");
        EXPECT_EQ(d.text(1056), "0");
        d.click(IDCANCEL);
    });
    session.command(view, ID_FILE_CONFIGURATION);
    EXPECT_EQ(doc.m_pageFormat, 0);
    EXPECT_EQ(doc.m_printOffsetY, 9);
    EXPECT_EQ(g_simSpeed, 70);
    EXPECT_FALSE(doc.isModified());

    // Przywróć, then Zapisz: 210 x 297 mm stored as 234 and 333, and the sheet is modified.
    session.answerDialog(IDD_CONFIGURACION, [](DialogDriver& d) {
        d.click(1102);
        d.click(1101);
    });
    session.command(view, ID_FILE_CONFIGURATION);
    const std::string line = readSettingsFile(session);
    ASSERT_EQ(line.size(), 64u);
    EXPECT_EQ(line.substr(45, 7), "234*333");
    EXPECT_EQ(doc.m_pageFormat, 1);
    EXPECT_EQ(doc.m_pageWidth, 234);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(g_simSpeed, 50);
}

TEST(ConfigDialog, RadiosAndChecksKeepTheirSetsAndOutOfRangeStaysOpen) {
    SpeedReset speedReset;
    Session session;
    CVelkarionView& view = session.newSheet();
    CVelkarionDoc& doc = session.document(view);
    session.answerDialog(IDD_CONFIGURACION, [](DialogDriver& d) {
        d.setText(1055, "3");
        d.click(1016);
        d.click(1006);
        d.click(1018);
        d.click(1004);
        d.click(1012);
        EXPECT_EQ(d.text(1055), "3") << "a click keeps what was typed";
        for (int id : {1000, 1001, 1002, 1003}) EXPECT_FALSE(d.checked(id));
        EXPECT_TRUE(d.checked(1016));
        EXPECT_TRUE(d.checked(1006));
        EXPECT_FALSE(d.checked(1007));
        EXPECT_TRUE(d.checked(1018));
        EXPECT_FALSE(d.checked(1019));
        EXPECT_FALSE(d.checked(1004));
        EXPECT_TRUE(d.checked(1012));
        d.setText(1059, "801");
        d.enter();
        EXPECT_TRUE(d.isOpen());
        d.setText(1059, "297");
        d.setText(1014, "0");
        d.enter();
        EXPECT_TRUE(d.isOpen()) << "the scale's label says 0.1...5";
        d.setText(1014, "0.5");
        d.enter();
    });
    session.command(view, ID_FILE_CONFIGURATION);
    EXPECT_EQ(session.messages().size(), 2u);
    EXPECT_EQ(doc.m_pageFormat, 4);
    EXPECT_EQ(doc.m_pageWidth, 330);
    EXPECT_EQ(doc.m_refsVertical, 1);
    EXPECT_EQ(doc.m_titleBlockKind, 0);
    EXPECT_EQ(doc.m_showFrame, 0);
    EXPECT_EQ(doc.m_guideLines, 1);
    EXPECT_EQ(doc.m_printOffsetX, 3);
    EXPECT_FLOAT_EQ(doc.m_printScale, 0.5f);
}

TEST(ConfigDialog, AFolderInTheWayShowsTheMessageAndTheDialogStaysOpen) {
    SpeedReset speedReset;
    Session session;
    CVelkarionView& view = session.newSheet();
    std::filesystem::create_directory(std::filesystem::path(session.workDir()) / kConfigFileName);
    bool stayedOpen = false;
    session.answerDialog(IDD_CONFIGURACION, [&](DialogDriver& d) {
        d.click(1101);
        stayedOpen = d.isOpen();
        d.escape();
    });
    session.command(view, ID_FILE_CONFIGURATION);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(session.messages().size(), 1u);
    EXPECT_EQ(session.messages()[0].text, cp1250("No se puede guardar la configuración del programa"));
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(session.workDir()) / kConfigFileName));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(session.workDir()) / "config.cfg.tmp"));
}

// A settings file kept elsewhere and linked in as config.cfg stays linked: Zapisz
// writes the file the link names, as Save does for a sheet.
TEST(ConfigDialog, ZapiszWritesThroughALinkedSettingsFile) {
    SpeedReset speedReset;
    Session session;
    CVelkarionView& view = session.newSheet();
    const std::filesystem::path folder = session.workDir();
    const std::filesystem::path kept = folder / "kept.cfg";
    { std::ofstream(kept) << "old"; }
    std::filesystem::create_symlink("kept.cfg", folder / kConfigFileName);
    session.answerDialog(IDD_CONFIGURACION, [](DialogDriver& d) { d.click(1101); });
    session.command(view, ID_FILE_CONFIGURATION);
    EXPECT_TRUE(session.messages().empty());
    EXPECT_TRUE(std::filesystem::is_symlink(folder / kConfigFileName));
    EXPECT_EQ(readSettingsFile(session).size(), 64u);
    std::ifstream in(kept, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(written, readSettingsFile(session));
}
