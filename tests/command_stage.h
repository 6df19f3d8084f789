#pragma once
// A sheet view with one component slot, ready to have symbol commands drawn for it
// onto a recording device context. Shared by the interpreter and terminal tests.
#include <gtest/gtest.h>

#include <memory>
#include <string_view>
#include <type_traits>

#include "model/SheetDocument.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "render/Terminals.h"
#include "testkit/recording_dc.h"

// Painting is not exercised here; while the view has no paint of its own, a
// paint that does nothing stands in.
template <typename V>
struct PaintlessView : V {
    void onPaint(velk::Dc&) override {}
};
using StageView = std::conditional_t<std::is_abstract_v<velk::CVelkarionView>,
                                     PaintlessView<velk::CVelkarionView>, velk::CVelkarionView>;

class CommandStage : public ::testing::Test {
protected:
    CommandStage() : view(std::make_unique<StageView>()) {
        view->setDocument(&doc);
        view->m_penWidth = 1;
        place(velk::kTypeCoil, 0);
        savedTool = velk::g_currentTool;
        savedPicked = velk::g_itemPicked;
        velk::g_currentTool = 0;
        velk::g_itemPicked = 0;
        velk::clearTerminalPoint();
    }
    ~CommandStage() override {
        velk::g_currentTool = savedTool;
        velk::g_itemPicked = savedPicked;
        velk::clearTerminalPoint();
    }

    // Slot `slot` becomes a placed component of `type` at (x, y) drawing units, and
    // the one being drawn.
    void place(int type, int code, int x = 0, int y = 0, int slot = 0) {
        view->m_type[slot] = type;
        view->m_orientation[slot] = code;
        view->m_x[slot] = x;
        view->m_y[slot] = y;
        if (view->m_componentCount <= slot) view->m_componentCount = slot + 1;
        view->m_loopIndex = slot;
        view->m_drawingPlaced = 1;
    }
    // The paint is drawing the placement preview of `tool`.
    void preview(int tool, int code) {
        velk::g_currentTool = tool;
        view->m_toolOrientation = code;
        view->m_loopIndex = view->m_componentCount;
        view->m_drawingPlaced = 0;
    }
    // A wire of `type` in a new slot after the others; returns its slot.
    int addWire(int x1, int y1, int x2, int y2, int type = velk::kTypeWirePhase) {
        const int j = view->m_componentCount++;
        view->m_type[j] = type;
        view->m_x[j] = x1;
        view->m_y[j] = y1;
        view->m_x2[j] = x2;
        view->m_y2[j] = y2;
        return j;
    }

    void draw(std::string_view command, double scale = 1.0, int ox = 0, int oy = 0) {
        dc.clear();
        view->DrawCommand(dc, command, scale, ox, oy);
    }

    velk::SheetDocument doc;
    std::unique_ptr<velk::CVelkarionView> view;
    velk::testkit::RecordingDc dc;

private:
    int savedTool = 0;
    int savedPicked = 0;
};
