// Drawing colour commands: twelve fixed colours and the colour chooser. The
// colour goes into each new free-drawing item and text; nothing drawn changes.
#include <optional>

#include "model/VelkarionView.h"
#include "platform/colordlg.h"
#include "platform/command.h"
#include "res/Resource.h"

namespace velk {

namespace {

struct FixedColor {
    int id;
    Color color;
};

constexpr FixedColor kFixedColors[] = {
    {ID_COLOR_BLACK, rgb(0, 0, 0)},         {ID_COLOR_WHITE, rgb(255, 255, 255)},
    {ID_COLOR_GREY, rgb(128, 128, 128)},    {ID_COLOR_LIGHT_GREY, rgb(192, 192, 192)},
    {ID_COLOR_DARK_RED, rgb(128, 0, 0)},    {ID_COLOR_RED, rgb(255, 0, 0)},
    {ID_COLOR_OLIVE, rgb(128, 128, 0)},     {ID_COLOR_YELLOW, rgb(255, 255, 0)},
    {ID_COLOR_GREEN, rgb(0, 128, 0)},       {ID_COLOR_LIME, rgb(0, 255, 0)},
    {ID_COLOR_TEAL, rgb(0, 128, 128)},      {ID_COLOR_CYAN, rgb(0, 255, 255)},
};

constexpr CommandEntry<CVelkarionView> kColorCommands[] = {
    {ID_COLOR_BLACK, &CVelkarionView::OnColorBlack, nullptr},
    {ID_COLOR_WHITE, &CVelkarionView::OnColorWhite, nullptr},
    {ID_COLOR_GREY, &CVelkarionView::OnColorGrey, nullptr},
    {ID_COLOR_LIGHT_GREY, &CVelkarionView::OnColorLightGrey, nullptr},
    {ID_COLOR_DARK_RED, &CVelkarionView::OnColorDarkRed, nullptr},
    {ID_COLOR_RED, &CVelkarionView::OnColorRed, nullptr},
    {ID_COLOR_OLIVE, &CVelkarionView::OnColorOlive, nullptr},
    {ID_COLOR_YELLOW, &CVelkarionView::OnColorYellow, nullptr},
    {ID_COLOR_GREEN, &CVelkarionView::OnColorGreen, nullptr},
    {ID_COLOR_LIME, &CVelkarionView::OnColorLime, nullptr},
    {ID_COLOR_TEAL, &CVelkarionView::OnColorTeal, nullptr},
    {ID_COLOR_CYAN, &CVelkarionView::OnColorCyan, nullptr},
    {ID_COLOR_CHOOSE, &CVelkarionView::OnColorChoose, nullptr},
};

void useFixedColor(CVelkarionView& view, int id) {
    for (const FixedColor& c : kFixedColors)
        if (c.id == id) view.m_currentColor = c.color;
}

}  // namespace

void CVelkarionView::OnColorBlack() { useFixedColor(*this, ID_COLOR_BLACK); }
void CVelkarionView::OnColorWhite() { useFixedColor(*this, ID_COLOR_WHITE); }
void CVelkarionView::OnColorGrey() { useFixedColor(*this, ID_COLOR_GREY); }
void CVelkarionView::OnColorLightGrey() { useFixedColor(*this, ID_COLOR_LIGHT_GREY); }
void CVelkarionView::OnColorDarkRed() { useFixedColor(*this, ID_COLOR_DARK_RED); }
void CVelkarionView::OnColorRed() { useFixedColor(*this, ID_COLOR_RED); }
void CVelkarionView::OnColorOlive() { useFixedColor(*this, ID_COLOR_OLIVE); }
void CVelkarionView::OnColorYellow() { useFixedColor(*this, ID_COLOR_YELLOW); }
void CVelkarionView::OnColorGreen() { useFixedColor(*this, ID_COLOR_GREEN); }
void CVelkarionView::OnColorLime() { useFixedColor(*this, ID_COLOR_LIME); }
void CVelkarionView::OnColorTeal() { useFixedColor(*this, ID_COLOR_TEAL); }
void CVelkarionView::OnColorCyan() { useFixedColor(*this, ID_COLOR_CYAN); }

void CVelkarionView::OnColorChoose() {
    if (const std::optional<Color> chosen = runColorDialog(m_currentColor)) m_currentColor = *chosen;
}

bool CVelkarionView::IsColorCommand(int id) { return tableHasCommand(kColorCommands, id); }

bool CVelkarionView::RunColorCommand(int id) { return runCommandFrom(*this, kColorCommands, id); }

}  // namespace velk
