// The main window: its seventeen bars, the palette selector and the Show menu
// toggles, resizing, menus and where each of their commands goes, fly-by prompts,
// tooltips, accelerators, button pictures and the bar layout from the settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/MainFrm.h"
#include "memory_figures.h"
#include "model/VelkarionView.h"
#include "platform/app.h"
#include "platform/document.h"
#include "platform/text1250.h"
#include "render/Terminals.h"
#include "res/ButtonImages.h"
#include "res/Resource.h"
#include "res/Strings.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testkit::Session;
using velk::testkit::SessionOptions;

namespace {

// The command buttons of a bar, separators left out.
std::vector<int> commandButtons(const ToolbarSpec& barLayout) {
    std::vector<int> ids;
    for (int id : barLayout.buttons)
        if (id != 0) ids.push_back(id);
    return ids;
}

std::vector<int> visibleBars(CMainFrame& frame) {
    std::vector<int> shown;
    for (int i = 0; i < frame.toolbarCount(); ++i)
        if (frame.toolbarVisible(i)) shown.push_back(i);
    return shown;
}

// Every command item of a menu bar, submenus included, with its text.
void collectItems(const std::vector<MenuItem>& items, std::vector<const MenuItem*>& out) {
    for (const MenuItem& item : items) {
        if (!item.items.empty())
            collectItems(item.items, out);
        else if (item.id != 0)
            out.push_back(&item);
    }
}

std::vector<const MenuItem*> itemsOf(const MenuBar& bar) {
    std::vector<const MenuItem*> out;
    collectItems(bar, out);
    return out;
}

// The thirteen palettes: selector command, palette number, bar index, Show menu toggle.
struct PaletteCase {
    const char* name;
    int selector;
    int number;
    int bar;
    int toggle;
};

constexpr PaletteCase kPaletteCases[] = {
    {"supplies", ID_PALETTE_SUPPLIES, 1, 2, ID_VIEW_BAR_SUPPLIES},
    {"fuses", ID_PALETTE_FUSES, 2, 5, ID_VIEW_BAR_FUSES},
    {"protection", ID_PALETTE_PROTECTION, 3, 3, ID_VIEW_BAR_PROTECTION},
    {"contactors", ID_PALETTE_CONTACTORS, 4, 4, ID_VIEW_BAR_CONTACTORS},
    {"motors", ID_PALETTE_MOTORS, 5, 6, ID_VIEW_BAR_MOTORS},
    {"contacts", ID_PALETTE_CONTACTS, 6, 9, ID_VIEW_BAR_CONTACTS},
    {"switches", ID_PALETTE_SWITCHES, 7, 11, ID_VIEW_BAR_SWITCHES},
    {"coils", ID_PALETTE_COILS, 8, 12, ID_VIEW_BAR_COILS},
    {"wiring", ID_PALETTE_WIRING, 9, 8, ID_VIEW_BAR_WIRING},
    {"drives", ID_PALETTE_DRIVES, 10, 7, ID_VIEW_BAR_DRIVES},
    {"sensors", ID_PALETTE_SENSORS, 11, 10, ID_VIEW_BAR_SENSORS},
    {"logic", ID_PALETTE_LOGIC, 12, 13, ID_VIEW_BAR_LOGIC},
    {"sequential chart", ID_PALETTE_GRAFCET, 13, 14, ID_VIEW_BAR_GRAFCET},
};

}  // namespace

TEST(MainFrame, SeventeenBarsAsCreated) {
    struct BarCase {
        int index;
        int resource;
        std::size_t buttons;
        int imageWidth, imageHeight;
        DockSide side;
        bool visible;
    };
    const BarCase cases[] = {
        {0, IDR_MAINFRAME, 23, 17, 15, DockSide::Top, true},
        {1, IDR_PALETTE_SELECTOR, 13, 16, 15, DockSide::Top, true},
        {2, IDR_PALETTE_SUPPLIES, 20, 31, 21, DockSide::Top, false},
        {3, IDR_PALETTE_PROTECTION, 15, 37, 21, DockSide::Top, false},
        {4, IDR_PALETTE_CONTACTORS, 8, 26, 21, DockSide::Top, false},
        {5, IDR_PALETTE_FUSES, 10, 32, 21, DockSide::Top, false},
        {6, IDR_PALETTE_MOTORS, 8, 21, 21, DockSide::Top, false},
        {7, IDR_PALETTE_DRIVES, 13, 20, 21, DockSide::Top, false},
        {8, IDR_PALETTE_WIRING, 20, 23, 21, DockSide::Top, false},
        {9, IDR_PALETTE_CONTACTS, 16, 16, 21, DockSide::Top, false},
        {10, IDR_PALETTE_SENSORS, 10, 23, 21, DockSide::Top, false},
        {11, IDR_PALETTE_SWITCHES, 23, 16, 21, DockSide::Top, false},
        {12, IDR_PALETTE_COILS, 14, 13, 21, DockSide::Top, false},
        {13, IDR_PALETTE_LOGIC, 18, 16, 21, DockSide::Top, false},
        {14, IDR_PALETTE_GRAFCET, 12, 17, 21, DockSide::Top, false},
        {15, IDR_DRAWING_TOOLS, 9, 16, 15, DockSide::Left, true},
        {16, IDR_COLORS, 13, 16, 15, DockSide::Right, true},
    };
    Session session;
    CMainFrame& frame = session.mainFrame();
    ASSERT_EQ(frame.toolbarCount(), 17);
    for (const BarCase& c : cases) {
        SCOPED_TRACE("bar " + std::to_string(c.index));
        const ToolbarSpec& barLayout = frame.toolbarSpec(c.index);
        EXPECT_EQ(barLayout.id, c.resource);
        EXPECT_EQ(commandButtons(barLayout).size(), c.buttons);
        EXPECT_EQ(barLayout.imageWidth, c.imageWidth);
        EXPECT_EQ(barLayout.imageHeight, c.imageHeight);
        EXPECT_EQ(frame.toolbarSide(c.index), c.side);
        EXPECT_EQ(frame.toolbarVisible(c.index), c.visible);
    }
    EXPECT_EQ(frame.m_currentPalette, 0);
    for (int flag : frame.m_paletteVisible) EXPECT_EQ(flag, 0);
    EXPECT_TRUE(frame.statusBarVisible());
}

TEST(MainFrame, ButtonOrderAndSeparatorsOfTheFixedBars) {
    struct OrderCase {
        int index;
        std::vector<int> buttons;  // 0: separator
    };
    const OrderCase cases[] = {
        {kBarMain,
         {57600, 57601, 57603, 57607, 0, 57635, 57634, 57637, 0, 32773, 32778, 32775, 32776, 32771, 0, 57643, 57644,
          0, 32904, 32905, 32908, 32907, 0, 32971, 32972, 32974, 32975, 0, 57664}},
        {kBarPaletteSelector,
         {32868, 32856, 32857, 32824, 32809, 33001, 0, 32825, 32931, 33030, 32826, 33068, 33081, 0, 32886}},
        {kBarDrawingTools, {32785, 32786, 32787, 32788, 32789, 32790, 32791, 32792, 32793}},
        {kBarColors, {32811, 32812, 32813, 32814, 32815, 32816, 32817, 32818, 32819, 32820, 32821, 32822, 32823}},
        {kBarFirstPalette + 10, {32949, 32956, 32964, 0, 32951, 0, 32952, 32953, 32954, 32955, 0, 32957, 32958, 0,
                                 32961, 32962, 32960, 32959}},
        {kBarLastPalette, {33088, 33083, 33084, 33085, 0, 33094, 33095, 33086, 33093, 0, 33092, 33090, 33091, 0,
                           33096}},
    };
    Session session;
    for (const OrderCase& c : cases) {
        SCOPED_TRACE("bar " + std::to_string(c.index));
        EXPECT_EQ(session.mainFrame().toolbarSpec(c.index).buttons, c.buttons);
    }
}

TEST(MainFrame, PaletteSelectorKeepsExactlyOnePaletteShown) {
    Session session;
    CMainFrame& frame = session.mainFrame();
    CVelkarionView& view = session.newSheet();
    // Twice round, from another palette each time, with and without a sheet window.
    for (int round = 0; round < 2; ++round)
        for (const PaletteCase& c : kPaletteCases) {
            SCOPED_TRACE(std::string(c.name) + (round == 0 ? " (sheet)" : " (main window)"));
            const CommandResult r = round == 0 ? session.command(view, c.selector) : session.command(c.selector);
            EXPECT_EQ(r, CommandResult::Handled);
            EXPECT_EQ(visibleBars(frame), (std::vector<int>{kBarMain, kBarPaletteSelector, c.bar, kBarDrawingTools,
                                                            kBarColors}));
            EXPECT_EQ(frame.m_currentPalette, c.number);
            EXPECT_EQ(session.isChecked(view, c.toggle), false) << "the selector checks no Show item";
        }
    for (int flag : frame.m_paletteVisible) EXPECT_EQ(flag, 0) << "the Show flags are the toggles' own";
}

TEST(MainFrame, ShowMenuTogglesCheckAndUncheckTheirBar) {
    Session session;
    CMainFrame& frame = session.mainFrame();
    CVelkarionView& view = session.newSheet();
    ASSERT_EQ(session.command(view, ID_PALETTE_MOTORS), CommandResult::Handled);
    const int motors = CMainFrame::barOfPalette(5);
    for (const PaletteCase& c : kPaletteCases) {
        SCOPED_TRACE(c.name);
        const bool wasShown = frame.toolbarVisible(c.bar);
        EXPECT_EQ(session.isChecked(view, c.toggle), false) << "nothing is checked at start";
        EXPECT_EQ(session.isEnabled(view, c.toggle), true);
        EXPECT_EQ(session.command(view, c.toggle), CommandResult::Handled);
        EXPECT_EQ(session.isChecked(view, c.toggle), true);
        EXPECT_TRUE(frame.toolbarVisible(c.bar));
        EXPECT_EQ(session.command(view, c.toggle), CommandResult::Handled);
        EXPECT_EQ(session.isChecked(view, c.toggle), false);
        EXPECT_FALSE(frame.toolbarVisible(c.bar)) << (wasShown ? "hidden even when it was the current palette" : "");
        EXPECT_EQ(frame.m_currentPalette, 5) << "a toggle leaves the selector's palette";
    }
    EXPECT_FALSE(frame.toolbarVisible(motors));
}

TEST(MainFrame, ResizeKeepsOnlyTheCurrentPalette) {
    struct ResizeCase {
        const char* name;
        std::vector<int> commands;  // before the resize
        std::vector<int> shownAfter;
        std::vector<int> checkedAfter;
    };
    const int motors = CMainFrame::barOfPalette(5), coils = CMainFrame::barOfPalette(8);
    const int chart = CMainFrame::barOfPalette(13);
    const ResizeCase cases[] = {
        {"the chosen palette stays", {ID_PALETTE_GRAFCET}, {chart}, {}},
        {"a palette shown from the Show menu goes", {ID_PALETTE_MOTORS, ID_VIEW_BAR_COILS}, {motors},
         {ID_VIEW_BAR_COILS}},
        {"no palette chosen: none stays", {ID_VIEW_BAR_COILS}, {}, {ID_VIEW_BAR_COILS}},
        {"hiding the current palette from the Show menu does not outlast a resize",
         {ID_PALETTE_COILS, ID_VIEW_BAR_COILS, ID_VIEW_BAR_COILS}, {coils}, {}},
    };
    for (const ResizeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Session session;
        CMainFrame& frame = session.mainFrame();
        for (int id : c.commands) ASSERT_EQ(session.command(id), CommandResult::Handled);
        frame.resize(900, 700);
        session.flush();
        std::vector<int> shown;
        for (int bar = kBarFirstPalette; bar <= kBarLastPalette; ++bar)
            if (frame.toolbarVisible(bar)) shown.push_back(bar);
        EXPECT_EQ(shown, c.shownAfter);
        for (const PaletteCase& p : kPaletteCases) {
            CommandUpdate state;
            session.app().commandState(p.toggle, state);
            const bool expected =
                std::find(c.checkedAfter.begin(), c.checkedAfter.end(), p.toggle) != c.checkedAfter.end();
            EXPECT_EQ(state.checked, expected) << p.name << ": the Show menu keeps its check";
        }
    }
}

TEST(MainFrame, ToolbarAndStatusBarItemsToggleTheirBarsOnly) {
    Session session;
    CMainFrame& frame = session.mainFrame();
    CVelkarionView& view = session.newSheet();
    ASSERT_EQ(session.command(view, ID_PALETTE_SENSORS), CommandResult::Handled);
    const std::vector<int> before = visibleBars(frame);
    EXPECT_EQ(session.isChecked(view, ID_VIEW_TOOLBAR), true);
    EXPECT_EQ(session.command(view, ID_VIEW_TOOLBAR), CommandResult::Handled);
    EXPECT_EQ(session.isChecked(view, ID_VIEW_TOOLBAR), false);
    std::vector<int> expected = before;
    expected.erase(expected.begin());  // the main toolbar alone goes
    EXPECT_EQ(visibleBars(frame), expected);
    EXPECT_EQ(session.command(ID_VIEW_TOOLBAR), CommandResult::Handled) << "also from the menu without a sheet";
    EXPECT_EQ(visibleBars(frame), before);

    EXPECT_EQ(session.command(view, ID_VIEW_STATUS_BAR), CommandResult::Handled);
    EXPECT_FALSE(frame.statusBarVisible());
    EXPECT_EQ(visibleBars(frame), before) << "the status bar item leaves the toolbars alone";
}

TEST(MainFrame, MenuBarFollowsWhetherASheetIsOpen) {
    // A menu bar told by its titles and its items' texts and commands.
    auto outline = [](const MenuBar& bar) {
        std::vector<std::string> lines;
        for (const MenuItem& m : bar) lines.push_back(m.text);
        for (const MenuItem* item : itemsOf(bar)) lines.push_back(item->text + "=" + std::to_string(item->id));
        return lines;
    };
    Session session;
    CMainFrame& frame = session.mainFrame();
    EXPECT_EQ(outline(frame.currentMenus()), outline(mainFrameMenu()));
    CVelkarionView& view = session.newSheet();
    EXPECT_EQ(outline(frame.currentMenus()), outline(sheetWindowMenu()));
    ASSERT_TRUE(session.closeWindow(view));
    EXPECT_EQ(outline(frame.currentMenus()), outline(mainFrameMenu()));

    std::vector<std::string> titles;
    for (const MenuItem& m : sheetWindowMenu()) titles.push_back(TextCodec1250::toUtf8(m.text));
    EXPECT_EQ(titles, (std::vector<std::string>{"&Plik", "&Edycja", "&Rysuj", "&Tryb", "&Widok", "Pokaż", "Okno",
                                                "O programie"}));
    for (const MenuBar* bar : {&mainFrameMenu(), &sheetWindowMenu()})
        for (const MenuItem* item : itemsOf(*bar))
            EXPECT_EQ(item->text.find('\\'), std::string::npos) << TextCodec1250::toUtf8(item->text);
}

// Who runs each menu command with a sheet open in edit mode. Commands whose
// handler belongs to work not done yet (the configuration dialog,
// print setup) are marked Pending: until then nothing handles them and the
// platform disables them; when a handler arrives, mark its row with its owner.
TEST(MainFrame, EveryMenuCommandReachesItsHandler) {
    enum class Owner { View, Document, Frame, App, Nobody, Pending };
    struct RouteCase {
        int id;
        Owner owner;
    };
    const RouteCase cases[] = {
        {ID_FILE_NEW, Owner::App},
        {ID_FILE_OPEN, Owner::App},
        {ID_FILE_CLOSE, Owner::Document},
        {ID_FILE_SAVE, Owner::View},
        {ID_FILE_SAVE_AS, Owner::View},
        {ID_FILE_IMPORT_PICTURE, Owner::View},
        {ID_FILE_EXPORT_PICTURE, Owner::View},
        {ID_FILE_PRINT, Owner::View},
        {ID_FILE_PRINT_PREVIEW, Owner::View},
        {ID_FILE_PRINT_SETUP, Owner::App},
        {ID_FILE_CONFIGURATION, Owner::View},
        {ID_FILE_MRU_FILE1, Owner::App},
        {ID_APP_EXIT, Owner::App},
        {ID_EDIT_UNDO, Owner::View},
        {ID_EDIT_REDO, Owner::View},
        {ID_EDIT_CUT, Owner::View},
        {ID_EDIT_COPY, Owner::View},
        {ID_EDIT_PASTE, Owner::View},
        {ID_EDIT_SELECT_ALL_ITEMS, Owner::View},
        {ID_EDIT_TITLE_BLOCK, Owner::View},
        {ID_TOOL_SELECT, Owner::View},
        {ID_TOOL_LINE, Owner::View},
        {ID_TOOL_RECTANGLE, Owner::View},
        {ID_TOOL_ELLIPSE, Owner::View},
        {ID_TOOL_FILLED_RECTANGLE, Owner::View},
        {ID_TOOL_FILLED_ELLIPSE, Owner::View},
        {ID_TOOL_FILL, Owner::View},
        {ID_TOOL_COLOR_PICKER, Owner::View},
        {ID_TOOL_TEXT, Owner::View},
        {ID_TOOL_LIBRARIES, Owner::View},
        {ID_MODE_EDIT, Owner::View},
        {ID_MODE_RUN, Owner::View},
        {ID_MODE_PAUSE, Owner::View},
        {ID_MODE_STEP, Owner::View},
        {ID_MODE_PLC_EXCHANGE, Owner::Nobody},
        {ID_ZOOM_PREVIOUS, Owner::View},
        {ID_ZOOM_NORMAL, Owner::View},
        {ID_ZOOM_IN, Owner::View},
        {ID_ZOOM_OUT, Owner::View},
        {ID_ZOOM_WINDOW, Owner::View},
        {ID_ZOOM_ALL, Owner::View},
        {ID_VIEW_GRID, Owner::View},
        {ID_VIEW_TOOLBAR, Owner::Frame},
        {ID_VIEW_STATUS_BAR, Owner::Frame},
        {ID_VIEW_BAR_SUPPLIES, Owner::Frame},
        {ID_VIEW_BAR_FUSES, Owner::Frame},
        {ID_VIEW_BAR_PROTECTION, Owner::Frame},
        {ID_VIEW_BAR_CONTACTORS, Owner::Frame},
        {ID_VIEW_BAR_MOTORS, Owner::Frame},
        {ID_VIEW_BAR_DRIVES, Owner::Frame},
        {ID_VIEW_BAR_CONTACTS, Owner::Frame},
        {ID_VIEW_BAR_SWITCHES, Owner::Frame},
        {ID_VIEW_BAR_SENSORS, Owner::Frame},
        {ID_VIEW_BAR_COILS, Owner::Frame},
        {ID_VIEW_BAR_LOGIC, Owner::Frame},
        {ID_VIEW_BAR_GRAFCET, Owner::Frame},
        {ID_VIEW_BAR_WIRING, Owner::Frame},
        {ID_WINDOW_NEW, Owner::Frame},
        {ID_WINDOW_CASCADE, Owner::Frame},
        {ID_WINDOW_TILE_HORZ, Owner::Frame},
        {ID_WINDOW_ARRANGE, Owner::Frame},
        {ID_APP_ABOUT, Owner::App},
    };
    Session session;
    session.app().addToRecentFiles("sheet.cad");  // so that the recent-file entry has a file
    CVelkarionView& view = session.newSheet();
    const std::vector<CommandTarget*> chain = session.app().commandChain();
    ASSERT_EQ(chain.size(), 5u);
    auto ownerOf = [&](int id) {
        const Owner owners[] = {Owner::View, Owner::Document, Owner::Nobody, Owner::Frame, Owner::App};
        for (std::size_t i = 0; i < chain.size(); ++i)
            if (chain[i]->hasCommand(id)) return owners[i];
        return Owner::Nobody;
    };

    std::set<int> menuIds;
    for (const MenuBar* bar : {&mainFrameMenu(), &sheetWindowMenu()})
        for (const MenuItem* item : itemsOf(*bar)) menuIds.insert(item->id);
    std::set<int> tableIds;
    for (const RouteCase& c : cases) {
        tableIds.insert(c.id);
        SCOPED_TRACE(std::to_string(c.id));
        if (c.owner == Owner::Pending) {
            EXPECT_EQ(ownerOf(c.id), Owner::Nobody) << "a handler arrived: mark this row with its owner";
            EXPECT_EQ(session.isEnabled(view, c.id), std::nullopt);
            continue;
        }
        EXPECT_EQ(ownerOf(c.id), c.owner);
        if (c.owner == Owner::Nobody) {
            EXPECT_EQ(session.isEnabled(view, c.id), std::nullopt) << "disabled by the platform";
        } else {
            EXPECT_TRUE(session.isEnabled(view, c.id).has_value());
        }
    }
    EXPECT_EQ(tableIds, menuIds) << "every menu item has its row";
}

TEST(MainFrame, EveryToolbarButtonHasATooltipAndAPicture) {
    Session session;
    CMainFrame& frame = session.mainFrame();
    for (int bar = 0; bar < frame.toolbarCount(); ++bar) {
        const ToolbarSpec& barLayout = frame.toolbarSpec(bar);
        for (int id : commandButtons(barLayout)) {
            SCOPED_TRACE("bar " + std::to_string(bar) + ", button " + std::to_string(id));
            // The sequential-chart selector button is the one without a string.
            EXPECT_EQ(frame.commandTooltipOf(id).empty(), id == ID_PALETTE_GRAFCET);
            EXPECT_EQ(frame.commandPromptOf(id).empty(), id == ID_PALETTE_GRAFCET);
            const Surface image = frame.toolbarButtonImage(bar, id);
            ASSERT_EQ(image.width(), barLayout.imageWidth);
            ASSERT_EQ(image.height(), barLayout.imageHeight);
            int inked = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != rgb(255, 255, 255)) ++inked;
            EXPECT_GT(inked, 3) << "the button shows something";
        }
    }
}

TEST(MainFrame, StringTableEntriesAsTheProgramShowsThem) {
    struct StringCase {
        int id;
        const char* prompt;  // UTF-8
        const char* tooltip;
    };
    const StringCase cases[] = {
        {ID_TOOL_SELECT, "Zaznaczanie", "Zaznaczanie"},
        {ID_TOOL_FILL, "Wypełnienie kolorem", "Wypełnienie kolorem"},
        {ID_TOOL_COLOR_PICKER, "Próbnik koloru", "Próbnik koloru"},
        {ID_TOOL_TEXT, "Tekst", "Tekst"},
        {ID_TOOL_LIBRARIES, "", ""},
        {ID_COLOR_CHOOSE, "Wybierz dowolny kolor", "Kolor"},
        {ID_PALETTE_FUSES, "bezpieczniki, rozłączniki bezpiecznikowe", "bezpieczniki, rozłączniki bezpiecznikowe"},
        {ID_PALETTE_PROTECTION, "Wyłączniki , zabezpieczenia", "Wyłączniki , zabezpieczenia"},
        // The stray backslash at the end of the stored entry is not shown.
        {ID_PALETTE_CONTACTORS, "Stycziki, Rozłączniki", "Stycziki, Rozłączniki"},
        {ID_PALETTE_CONTACTS, "Styki pomocnicze,czasowe", "styki"},
        {ID_PALETTE_SWITCHES, "Łączniki", "Łączniki"},
        {ID_PALETTE_GRAFCET, "", ""},
        {ID_PALETTE_WIRING, "Kable i złączki", "Kable i złączki"},
        {ID_PLACE_DISPLAY_7_SEGMENTS, "Display 7 Segmentos", "Display 7 Segmentos"},
    };
    Session session;
    CMainFrame& frame = session.mainFrame();
    for (const StringCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.id));
        EXPECT_EQ(TextCodec1250::toUtf8(frame.commandPromptOf(c.id)), c.prompt);
        EXPECT_EQ(TextCodec1250::toUtf8(frame.commandTooltipOf(c.id)), c.tooltip);
    }
}

TEST(MainFrame, FlyByPromptCoversPaneZeroWhileThePointerIsOnACommand) {
    Session session;
    CMainFrame& frame = session.mainFrame();
    CVelkarionView& view = session.newSheet();
    const std::string paneBefore = session.paneText(0);
    frame.showCommandPrompt(ID_PALETTE_COILS);
    EXPECT_EQ(TextCodec1250::toUtf8(frame.commandPrompt()), "Cewki, Sygnalizacja");
    frame.showCommandPrompt(ID_PALETTE_GRAFCET);
    EXPECT_EQ(frame.commandPrompt(), "") << "a command without a string shows the pane's own text";
    frame.showCommandPrompt(ID_MODE_RUN);
    session.move(view, 100, 100);  // the view writes its pointer text underneath
    EXPECT_EQ(TextCodec1250::toUtf8(frame.commandPrompt()), "Symulacja");
    frame.endCommandPrompt();
    EXPECT_EQ(frame.commandPrompt(), "");
    EXPECT_NE(session.paneText(0), paneBefore) << "pane 0 kept its own text going meanwhile";
}

TEST(MainFrame, AcceleratorsSendTheKeysTheMenusShow) {
    Session session;
    const std::vector<Accelerator>& table = session.mainFrame().accelerators();
    // Every key shown after a tab in a menu has an entry for that item's command.
    for (const MenuBar* bar : {&mainFrameMenu(), &sheetWindowMenu()})
        for (const MenuItem* item : itemsOf(*bar)) {
            const auto tab = item->text.find('\t');
            if (tab == std::string::npos) continue;
            const std::string keys = item->text.substr(tab + 1);
            SCOPED_TRACE(keys);
            const auto it = std::find_if(table.begin(), table.end(), [&](const Accelerator& a) { return a.keys == keys; });
            ASSERT_NE(it, table.end());
            EXPECT_EQ(it->id, item->id);
        }
    std::set<std::string> keys;
    for (const Accelerator& a : table) EXPECT_TRUE(keys.insert(a.keys).second) << a.keys << " on one command only";

    struct KeyCase {
        const char* keys;
        int id;
    };
    const KeyCase editingKeys[] = {
        {"Alt+Backspace", ID_EDIT_UNDO}, {"Shift+Del", ID_EDIT_CUT},  {"Ctrl+Ins", ID_EDIT_COPY},
        {"Shift+Ins", ID_EDIT_PASTE},    {"F6", ID_NEXT_PANE},       {"Shift+F6", ID_PREV_PANE},
    };
    for (const KeyCase& k : editingKeys) {
        const auto it = std::find_if(table.begin(), table.end(), [&](const Accelerator& a) { return a.keys == k.keys; });
        ASSERT_NE(it, table.end()) << k.keys;
        EXPECT_EQ(it->id, k.id) << k.keys;
    }

    // Pressing the keys runs the command as the menu item would.
    EXPECT_EQ(session.mainFrame().pressAccelerator("Ctrl+N"), CommandResult::Handled);
    session.flush();
    EXPECT_EQ(session.views().size(), 1u);
    EXPECT_EQ(session.mainFrame().pressAccelerator("Shift+F6"), CommandResult::Unhandled) << "nothing handles it";
    EXPECT_EQ(session.mainFrame().pressAccelerator("Ctrl+Q"), CommandResult::Unhandled) << "no such entry";
}

TEST(MainFrame, ToolbarButtonsAskTheirStateAtIdle) {
    Session session;
    CMainFrame& frame = session.mainFrame();
    // Without a sheet only what the application and the main window handle works.
    const std::set<int> withoutSheet = {ID_FILE_NEW,           ID_FILE_OPEN,        ID_APP_ABOUT,       ID_PALETTE_SUPPLIES,
                                        ID_PALETTE_FUSES,      ID_PALETTE_PROTECTION, ID_PALETTE_CONTACTORS,
                                        ID_PALETTE_MOTORS,     ID_PALETTE_DRIVES,   ID_PALETTE_CONTACTS,
                                        ID_PALETTE_SWITCHES,   ID_PALETTE_SENSORS,  ID_PALETTE_COILS,
                                        ID_PALETTE_LOGIC,      ID_PALETTE_GRAFCET,  ID_PALETTE_WIRING};
    for (const PaletteCase& c : kPaletteCases) frame.showToolbar(c.bar, true);  // hidden bars ask nothing
    frame.updateToolbarButtons();
    for (int bar = 0; bar < frame.toolbarCount(); ++bar)
        for (int id : commandButtons(frame.toolbarSpec(bar))) {
            SCOPED_TRACE("bar " + std::to_string(bar) + ", button " + std::to_string(id));
            EXPECT_EQ(frame.toolbarButtonState(bar, id).enabled, withoutSheet.count(id) == 1);
        }

    CVelkarionView& view = session.newSheet();
    frame.updateToolbarButtons();
    EXPECT_TRUE(frame.toolbarButtonState(kBarMain, ID_MODE_RUN).enabled);
    EXPECT_FALSE(frame.toolbarButtonState(kBarMain, ID_MODE_PAUSE).enabled);
    EXPECT_TRUE(frame.toolbarButtonState(kBarColors, ID_COLOR_RED).enabled);
    ASSERT_EQ(session.command(view, ID_MODE_RUN), CommandResult::Handled);
    frame.updateToolbarButtons();
    EXPECT_TRUE(frame.toolbarButtonState(kBarMain, ID_MODE_PAUSE).enabled);
    EXPECT_FALSE(frame.toolbarButtonState(kBarColors, ID_COLOR_RED).enabled);
    EXPECT_FALSE(frame.toolbarButtonState(kBarPaletteSelector, ID_PALETTE_FUSES).enabled);
    EXPECT_TRUE(frame.toolbarButtonState(kBarMain, ID_ZOOM_IN).enabled);
    EXPECT_FALSE(frame.toolbarButtonState(kBarLastPalette, ID_PLACE_GRAFCET_STEP).enabled);
    EXPECT_FALSE(frame.toolbarButtonState(kBarFirstPalette + 11, ID_PLACE_DISPLAY_BCD).enabled)
        << "a button without a handler stays disabled";
}

TEST(MainFrame, BarLayoutIsReadFromTheSettingsWhenPresent) {
    struct LayoutCase {
        const char* name;
        const char* settings;  // the settings file, empty: none
        DockSide drawingToolsSide;
        bool mainToolbarShown;
    };
    const LayoutCase cases[] = {
        {"no section: as created", "", DockSide::Left, true},
        {"drawing tools moved, main toolbar hidden",
         "[AjustesDeBarrasDeHerrmientas]\nBar159Dock=3\nBar128Visible=0\nBar183Visible=1\n", DockSide::Right, false},
        {"values out of range are ignored", "[AjustesDeBarrasDeHerrmientas]\nBar159Dock=7\nBar128Visible=5\n",
         DockSide::Left, true},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string dir = (std::filesystem::temp_directory_path() / "velkarion-bars-XXXXXX").string();
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        if (*c.settings) std::ofstream(std::filesystem::path(dir) / "settings.ini") << c.settings;
        {
            SessionOptions options;
            options.workDir = dir;
            Session session(options);
            CMainFrame& frame = session.mainFrame();
            EXPECT_EQ(frame.toolbarSide(kBarDrawingTools), c.drawingToolsSide);
            EXPECT_EQ(frame.toolbarVisible(kBarMain), c.mainToolbarShown);
            EXPECT_FALSE(frame.toolbarVisible(kBarFirstPalette)) << "the palettes start hidden whatever is stored";
        }
        std::filesystem::remove_all(dir);
    }
}

TEST(MainFrame, PaletteButtonsShowTheirSymbolOrElseAText) {
    Session session;
    CMainFrame& frame = session.mainFrame();
    int symbols = 0;
    for (int bar = kBarFirstPalette; bar <= kBarLastPalette; ++bar) {
        const ToolbarSpec& barLayout = frame.toolbarSpec(bar);
        for (const PaletteButton& b : paletteButtons()) {
            if (b.bar != barLayout.id || b.id == 0) continue;
            SCOPED_TRACE(std::to_string(b.id));
            const Surface symbol =
                componentSymbolImage(b.type, barLayout.imageWidth, barLayout.imageHeight, paletteShowsSymbolTexts(b.bar));
            const Surface shown = frame.toolbarButtonImage(bar, b.id);
            if (symbol.isNull()) continue;
            ++symbols;
            ASSERT_EQ(shown.width(), symbol.width());
            bool same = true;
            for (int y = 0; y < symbol.height(); ++y)
                for (int x = 0; x < symbol.width(); ++x)
                    if (shown.pixel(x, y) != symbol.pixel(x, y)) same = false;
            EXPECT_TRUE(same) << "a symbol that draws is the button's picture";
        }
    }
    // Wires and chart lines are drawn by the wire pass: no symbol of their own.
    for (int type : {kTypeWirePhase, kTypeBundle, kTypeWireThreePhaseVertical1, kTypeGrafcetLink})
        EXPECT_TRUE(componentSymbolImage(type, 23, 21, true).isNull()) << type;
    RecordProperty("palette buttons drawn from their symbol", symbols);
}

TEST(MainFrame, DrawingAButtonSymbolLeavesTheSheetsAlone) {
    Session session;
    CVelkarionView& view = session.newSheet();
    view.m_loopIndex = 7;
    view.m_drawingPlaced = 1;
    view.m_toolOrientation = 3;
    view.m_penColor = rgb(1, 2, 3);
    g_terminalPoint = {11, 12};
    g_terminalUnits = {13, 14};
    g_terminalUnitsValid = true;
    for (int bar = kBarFirstPalette; bar <= kBarLastPalette; ++bar) {
        ToolbarSpec barLayout = session.mainFrame().toolbarSpec(bar);
        barLayout.imageWidth += 1;  // a size not drawn before, so every symbol is drawn now
        toolbarImages(barLayout);
    }
    EXPECT_EQ(view.m_loopIndex, 7);
    EXPECT_EQ(view.m_drawingPlaced, 1);
    EXPECT_EQ(view.m_toolOrientation, 3);
    EXPECT_EQ(view.m_penColor, rgb(1, 2, 3));
    EXPECT_EQ(g_terminalPoint, (Point{11, 12}));
    EXPECT_EQ(g_terminalUnits, (Point{13, 14}));
    EXPECT_TRUE(g_terminalUnitsValid);
    clearTerminalPoint();
}

TEST(MainFrame, ButtonTextFallbackTakesTheInitials) {
    struct FallbackCase {
        const char* tooltip;  // UTF-8
        const char* text;
    };
    const FallbackCase cases[] = {
        {"Silnik trójfazowy", "ST"},
        {"Styk pomocniczy zwierno-rozwierny", "SPZ"},
        {"Łącznik krańcowy", "ŁK"},
        {"Zasilanie L1, L2, L3", "ZLL"},
        {"", ""},
    };
    for (const FallbackCase& c : cases) {
        SCOPED_TRACE(c.tooltip);
        EXPECT_EQ(TextCodec1250::toUtf8(buttonFallbackText(cp1250(c.tooltip))), c.text);
    }
}

// A long session opens sheet after sheet: each switch between the menu bars with
// and without a sheet, and each window, must give back what it took. The same
// sheet is opened each time, as a new name would add its drawn text to the text
// cache, which is held to a limit of its own.
TEST(MainFrame, OpeningAndClosingTheOnlyWindowKeepsTheHeapFlat) {
    Session session;
    const std::string sheet = std::string(VELK_FIXTURES) + "/coil_drives_contact.cad";
    auto openAndClose = [&session, &sheet](int times) {
        for (int i = 0; i < times; ++i) {
            CVelkarionView& view = session.openSheet(sheet);
            ASSERT_TRUE(session.closeWindow(view));
        }
    };
    openAndClose(10);  // the toolkit's own caches fill on the first rounds
    const std::int64_t before = memtest::heapInUse();
    openAndClose(500);
    // What the session records of each file dialog counts too: a few hundred bytes.
    EXPECT_LT(memtest::heapInUse() - before, 256 * 1024) << "bytes kept after 500 windows";
}
