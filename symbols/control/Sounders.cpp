// The audible signals: bell, buzzer, siren and horn. Each is a load on two leads
// that sounds the message beep on every second evaluation while its terminals
// carry a voltage, and shows its body silver then, white when the voltage goes.
// Bell and buzzer fill a half disc with a brush of their own and keep the pen, so
// their outline follows the new state a paint late; siren and horn fill polygons
// in the pen colour, as the coils do. One routine serves the four over a table.
#include "model/VelkarionView.h"
#include "platform/msgbox.h"
#include "render/Colors.h"
#include "render/Paint.h"
#include "symbols/ComponentFrame.h"
#include "symbols/control/VoltageTest.h"

namespace velk {

namespace {

enum class BodyFill {
    Brush,  // a chord filled with a brush of its own; the pen stays
    Pen,    // polygons in the pen colour, as the coils' latch
};

struct SounderForm {
    LabelLayout labels;
    BodyFill fill;
    Commands body;
    Commands outline;
};

constexpr LabelLayout sounderLabels(const char* dx) {
    return {"-H", {"TEXT,%3s,%3s,%5s,2", dx, "+022"}, {"TEXT,%3s,%3s,%5s,2", dx, "+037"}};
}
constexpr const char* kX1 = "NUME,+005,+000,%c%c%c%c";
constexpr const char* kX2 = "NUME,+005,+045,%c%c%c%c";

constexpr const char* kBellBody[] = {"CUER,+005,+015,+035,+045,+020,+045,+020,+015"};
constexpr const char* kBellOutline[] = {
    "LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060", "LINE,+000,+015,+000,+020",
    "LINE,+000,+020,+020,+020", "LINE,+000,+040,+020,+040", "LINE,+000,+040,+000,+045",
    "LINE,+020,+015,+020,+045", "ARCO,+005,+015,+035,+045,+020,+045,+020,+015",
};
constexpr const char* kBuzzerBody[] = {"CUER,+015,+015,+045,+045,+030,+015,+030,+045"};
constexpr const char* kBuzzerOutline[] = {
    "LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060", "LINE,+000,+015,+000,+020",
    "LINE,+000,+020,+020,+020", "LINE,+000,+040,+020,+040", "LINE,+000,+040,+000,+045",
    "LINE,+030,+015,+030,+045", "ARCO,+015,+015,+045,+045,+030,+015,+030,+045",
};
constexpr const char* kSirenBody[] = {"POLI,+020,+015,+020,+045,+040,+030,+020,+015"};
constexpr const char* kSirenOutline[] = {
    "LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060", "LINE,+000,+015,+000,+020",
    "LINE,+000,+020,+020,+020", "LINE,+000,+040,+020,+040", "LINE,+000,+040,+000,+045",
    "LINE,+020,+015,+020,+045", "LINE,+020,+015,+040,+030", "LINE,+020,+045,+040,+030",
    "PUNT,+040,+030",
};
constexpr const char* kHornBody[] = {
    "POLI,-010,+020,+010,+020,+010,+040,-010,+040",
    "POLI,+010,+027,+033,+022,+043,+038,+010,+033",
};
constexpr const char* kHornOutline[] = {
    "LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060", "LINE,+000,+015,+000,+020",
    "LINE,-010,+020,+010,+020", "LINE,+010,+020,+010,+040", "LINE,+010,+040,-010,+040",
    "LINE,-010,+040,-010,+020", "LINE,+000,+040,+000,+045", "LINE,+010,+027,+033,+022",
    "LINE,+010,+033,+043,+038", "LINE,+033,+022,+043,+038",
};

constexpr SounderForm kBell{sounderLabels("-015"), BodyFill::Brush, kBellBody, kBellOutline};
constexpr SounderForm kBuzzer{sounderLabels("-015"), BodyFill::Brush, kBuzzerBody, kBuzzerOutline};
constexpr SounderForm kSiren{sounderLabels("-015"), BodyFill::Pen, kSirenBody, kSirenOutline};
constexpr SounderForm kHorn{sounderLabels("-025"), BodyFill::Pen, kHornBody, kHornOutline};

// Every second energised evaluation beeps, counted across passes and paints; a
// dead evaluation leaves the toggle where it was.
void sound(CVelkarionView& v, int s, bool energised) {
    if (!energised) return;
    int& toggle = v.m_beepToggle[s];
    if (toggle == 0) {
        messageBeep();
        toggle = 1;
    } else {
        toggle = 0;
    }
}

// The body filled the member's way: silver on a rising edge, white on a falling one.
void fillSounderBody(ComponentFrame& f, const SounderForm& form, Edge edge) {
    if (form.fill == BodyFill::Pen) {
        fillBody(f, edge, form.body);
    } else {
        f.dc().selectBrush(Brush::solid(edge == Edge::Rising ? g_colorSilver : g_colorWhite));
        f.draw(form.body);
        f.dc().selectBrush(Brush::hollow());
    }
}

// The latch of the coils, with the body filled the member's way.
void latch(ComponentFrame& f, const SounderForm& form, bool energised) {
    CVelkarionView& v = f.view();
    const int s = f.slot();
    const Edge edge = latchEdge(energised, v.m_drawnState[s]);
    if (edge == Edge::Rising) v.m_state[s] = 1;
    if (edge == Edge::Falling) v.m_state[s] = 0;
    if (edge != Edge::None) fillSounderBody(f, form, edge);
    v.m_drawnState[s] = energised ? 1 : 0;
}

void drawSounder(CVelkarionView& view, Dc& dc, double zoom, int ox, int oy, const SounderForm& form) {
    ComponentFrame f(view, dc, zoom, ox, oy);
    f.drawLabels(form.labels);
    f.useStateColor();
    f.drawTerminal(kX1, f.terminalName(0, "X1"));
    const char x1 = letterAtTerminal(f);
    f.drawTerminal(kX2, f.terminalName(1, "X2"));
    const char x2 = letterAtTerminal(f);
    if (f.evaluating()) {
        const bool energised = voltageAcross(x1, x2);
        sound(view, f.slot(), energised);
        if (g_simPass == kFinalSimPass) latch(f, form, energised);
    }
    // A paint that only shows the run fills the body as the last latch left it and
    // sounds nothing.
    if (f.showing()) fillSounderBody(f, form, f.state() == 1 ? Edge::Rising : Edge::Falling);
    f.draw(form.outline);
}

}  // namespace

void CVelkarionView::DrawBell(Dc& dc, double zoom, int ox, int oy) { drawSounder(*this, dc, zoom, ox, oy, kBell); }

void CVelkarionView::DrawBuzzer(Dc& dc, double zoom, int ox, int oy) {
    drawSounder(*this, dc, zoom, ox, oy, kBuzzer);
}

void CVelkarionView::DrawSiren(Dc& dc, double zoom, int ox, int oy) { drawSounder(*this, dc, zoom, ox, oy, kSiren); }

void CVelkarionView::DrawHorn(Dc& dc, double zoom, int ox, int oy) { drawSounder(*this, dc, zoom, ox, oy, kHorn); }

}  // namespace velk
