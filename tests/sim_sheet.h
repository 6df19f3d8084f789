#pragma once
// A sheet view built in the test, without a window around it: the document, the
// status panes and the message boxes are the test's own, so every box a fault
// shows and every pane text a command sets can be read back.
#include <map>
#include <string>
#include <vector>

#include "model/VelkarionView.h"
#include "platform/msgbox.h"
#include "platform/statusbar.h"
#include "platform/text1250.h"
#include "render/Paint.h"

namespace velk::simtest {

class PaneRecorder : public StatusPanes {
public:
    void setPaneText(int pane, const std::string& text) override { m_texts[pane] = text; }
    std::string paneText(int pane) const override {
        auto it = m_texts.find(pane);
        return it == m_texts.end() ? std::string() : it->second;
    }

private:
    std::map<int, std::string> m_texts;
};

// The view of a sheet, with helpers to put items into slots.
class SimSheet {
public:
    SimSheet() {
        view.setDocument(&doc);
        view.m_statusBar = &panes;
        setMessageBoxHandler([this](const BoxRecord& box) {
            boxes.push_back(box);
            return BoxAnswer::Ok;
        });
    }
    ~SimSheet() { setMessageBoxHandler(nullptr); }
    SimSheet(const SimSheet&) = delete;
    SimSheet& operator=(const SimSheet&) = delete;

    // A line item (wire, bundle, chart line) from (x1, y1) to (x2, y2) in drawing
    // units, appended at the count; its slot index.
    int addLine(int type, int x1, int y1, int x2, int y2, char letter = '0') {
        const int i = view.m_componentCount++;
        view.m_type[i] = type;
        view.m_componentId[i] = i;
        view.m_x[i] = x1;
        view.m_y[i] = y1;
        view.m_x2[i] = x2;
        view.m_y2[i] = y2;
        view.m_potential[i].setLetter(letter);
        return i;
    }
    // A symbol (dot, bundle entry, component) at (x, y); dots keep both points equal.
    int addSymbol(int type, int x, int y, const std::string& label = std::string()) {
        const int i = addLine(type, x, y, x, y);
        view.m_label[i] = label;
        return i;
    }
    // Gives the view a client area and runs the paint that asks for, so that what
    // a test invalidates afterwards can be told apart. The splash is left out.
    void show(int width = 800, int height = 600) {
        g_firstPaintDone = 1;
        view.m_penWidth = 1;
        view.resizeClient(width, height);
        view.runPendingPaint();
    }
    // Whether the pending paint erases: a mark outside the sheet survives only a
    // paint without erase. Runs the pending paint.
    bool nextPaintErases() {
        const Point mark{view.clientWidth() - 2, view.clientHeight() - 2};
        view.surface().setPixel(mark.x, mark.y, rgb(1, 2, 3));
        view.runPendingPaint();
        return view.surface().pixel(mark.x, mark.y) != rgb(1, 2, 3);
    }

    char letter(int slot) const { return view.m_potential[slot].letter(); }
    void setLetter(int slot, char c) { view.m_potential[slot].setLetter(c); }
    int net(int slot) const { return view.m_netNumber[slot]; }

    // Status pane texts as UTF-8, for readable comparisons.
    std::string pane(int i) const { return TextCodec1250::toUtf8(panes.paneText(i)); }

    SheetDocument doc;
    CVelkarionView view;
    PaneRecorder panes;
    std::vector<BoxRecord> boxes;
};

}  // namespace velk::simtest
