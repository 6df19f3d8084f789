// The contact procedure shared by every two-position contact (see ContactTemplate.h).
#include "symbols/contacts/ContactTemplate.h"

namespace velk {

namespace {

constexpr const char* kTextFormat = "TEXT,%3s,%3s,%5s,2";
constexpr const char* kLabelRow = "+022";
constexpr const char* kSecondRow = "+037";
constexpr const char* kLegendRow = "-000";

// --- the four forms ---------------------------------------------------------------

constexpr const char* kStraightLeads[] = {"LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060"};

// NO: the blade swings onto its lead.
constexpr const char* kNORest[] = {"LINE,-015,+015,+000,+045"};
constexpr const char* kNOActuated[] = {"LINE,-005,+015,+000,+045", "LINE,-005,+015,+000,+015"};

// NC: the blade stays and loses the hook that closes it.
constexpr const char* kNCRest[] = {"LINE,+015,+015,+000,+045", "LINE,+000,+018,+018,+018",
                                   "LINE,+000,+015,+000,+018"};
constexpr const char* kNCActuated[] = {"LINE,+015,+015,+000,+045"};

// NO+NC: the NC pole on the left, the NO pole 45 units to its right.
constexpr const char* kNONCLeads[] = {"LINE,+000,+000,+000,+015", "LINE,+000,+045,+000,+060",
                                      "LINE,+045,+000,+045,+015", "LINE,+045,+045,+045,+060"};
constexpr const char* kNONCRest[] = {"LINE,+015,+015,+000,+045", "LINE,+000,+018,+018,+018",
                                     "LINE,+000,+015,+000,+018", "LINE,+030,+015,+045,+045"};
constexpr const char* kNONCActuated[] = {"LINE,+015,+015,+000,+045", "LINE,+040,+015,+045,+045",
                                         "LINE,+040,+015,+045,+015"};

// Changeover: the common on top, the blade swings from the T2 stop to the T3 stop.
constexpr const char* kChangeoverLeads[] = {"LINE,+015,+000,+015,+015", "LINE,+000,+045,+000,+060",
                                            "LINE,+030,+045,+030,+060", "LINE,+000,+042,+000,+045",
                                            "LINE,+000,+042,+007,+042", "LINE,+030,+042,+030,+045",
                                            "LINE,+030,+042,+023,+042"};
constexpr const char* kChangeoverRest[] = {"LINE,+015,+015,+003,+045"};
constexpr const char* kChangeoverActuated[] = {"LINE,+015,+015,+027,+045"};

// Cross: the contact stops of both sides, the blades crossed at rest, straight
// when actuated.
constexpr const char* kCrossLeads[] = {"LINE,+000,+000,+000,+015", "LINE,+030,+000,+030,+015",
                                       "LINE,+000,+045,+000,+060", "LINE,+030,+045,+030,+060",
                                       "LINE,+000,+015,+000,+018", "LINE,+000,+018,+008,+018",
                                       "LINE,+030,+015,+030,+018", "LINE,+030,+018,+022,+018",
                                       "LINE,+000,+042,+000,+045", "LINE,+000,+042,+008,+042",
                                       "LINE,+030,+042,+030,+045", "LINE,+030,+042,+022,+042"};
constexpr const char* kCrossRest[] = {"LINE,+003,+015,+027,+045", "LINE,+027,+015,+003,+045"};
constexpr const char* kCrossActuated[] = {"LINE,+003,+015,+003,+045", "LINE,+027,+015,+027,+045"};

constexpr const char* kTopLeft = "NUME,+005,+000,%c%c%c%c";
constexpr const char* kBottomLeft = "NUME,+005,+045,%c%c%c%c";
constexpr const char* kTopRight = "NUME,+050,+000,%c%c%c%c";
constexpr const char* kBottomRight = "NUME,+050,+045,%c%c%c%c";

// Indexed by ContactForm.
constexpr ContactShape kShapes[] = {
    // NO: T1-T2 closed while actuated.
    {2, {kTopLeft, kBottomLeft}, 1, {{0, 1, 1}}, kStraightLeads, kNORest, kNOActuated},
    // NC: T1-T2 closed at rest.
    {2, {kTopLeft, kBottomLeft}, 1, {{0, 1, 0}}, kStraightLeads, kNCRest, kNCActuated},
    // NO+NC: T1-T3 the NC pole, T2-T4 the NO pole.
    {4, {kTopLeft, kTopRight, kBottomLeft, kBottomRight}, 2, {{0, 2, 0}, {1, 3, 1}}, kNONCLeads, kNONCRest,
     kNONCActuated},
    // Changeover: T1 the common, T2 the rest side, T3 the actuated side.
    {3, {"NUME,+020,+000,%c%c%c%c", kBottomLeft, "NUME,+035,+045,%c%c%c%c"}, 2, {{0, 1, 0}, {0, 2, 1}},
     kChangeoverLeads, kChangeoverRest, kChangeoverActuated},
    // Cross: T1, T2 on top, T3, T4 below; T1-T4 and T2-T3 at rest, T1-T3 and T2-T4
    // actuated.
    {4,
     {kTopLeft, "NUME,+035,+000,%c%c%c%c", kBottomLeft, "NUME,+035,+045,%c%c%c%c"},
     4,
     {{0, 3, 0}, {1, 2, 0}, {0, 2, 1}, {1, 3, 1}},
     kCrossLeads,
     kCrossRest,
     kCrossActuated},
};

void drawImage(ComponentFrame& f, Commands image, const Glyph& glyph) {
    f.draw(image);
    for (const Commands& run : glyph.runs) f.draw(run);
}

// The terminals in form order, each scanned before the next overwrites the
// terminal point, then every pole closed at the present state. A state that no
// pole is closed at closes none. False after a fault report.
bool connectTerminals(ComponentFrame& f, const ContactShape& shape, const char* const* defaultNames) {
    for (int t = 0; t < shape.terminalCount; ++t) f.terminal(shape.terminals[t], t, defaultNames[t]);
    for (int p = 0; p < shape.poleCount; ++p) {
        const ContactPole& pole = shape.poles[p];
        const Pole terminals[] = {{pole.first, pole.second}};
        if (!f.conductPoles(terminals, f.state() == pole.closedAt, ClashCheck::Sides)) return false;
    }
    return true;
}

LabelLayout labelsOf(const char* defaultLabel, const char* labelColumn, const char* secondColumn) {
    return {defaultLabel, {kTextFormat, labelColumn, kLabelRow}, {kTextFormat, secondColumn, kSecondRow}};
}

}  // namespace

const ContactShape& contactShape(ContactForm form) { return kShapes[static_cast<int>(form)]; }

void DrawContact(CVelkarionView& view, Dc& dc, double zoom, int x, int y, const ContactSymbol& row) {
    const ContactShape& shape = contactShape(row.form);
    ComponentFrame f(view, dc, zoom, x, y);

    f.drawLabels(labelsOf(row.defaultLabel, row.labelColumn, row.secondColumn));
    f.useStateColor();
    // A state other than 0 or 1 closes no pole.
    if (!connectTerminals(f, shape, row.defaultNames)) return;

    f.drawStateParts([&](ComponentFrame::PicturePart part) {
        switch (part) {
            case ComponentFrame::PicturePart::Fixed: drawImage(f, shape.fixedImage, row.fixedGlyph); break;
            case ComponentFrame::PicturePart::Rest: drawImage(f, shape.restImage, row.restGlyph); break;
            case ComponentFrame::PicturePart::Operated:
                drawImage(f, shape.actuatedImage, row.actuatedGlyph);
                break;
        }
    });
}

void DrawMultiPositionContact(CVelkarionView& view, Dc& dc, double zoom, int x, int y,
                              const MultiPositionSymbol& row) {
    ComponentFrame f(view, dc, zoom, x, y);
    f.drawLabels(labelsOf(row.defaultLabel, row.labelColumn, row.secondColumn));
    f.usePositionColor();
    for (const PositionLegend& legend : row.legends)
        if (legend.column) f.draw(textCommand({kTextFormat, legend.column, kLegendRow}, legend.text));
    if (!connectTerminals(f, row.shape, row.defaultNames)) return;

    f.drawPositionParts(row.positionCount, row.bladeColors, [&](int position) {
        if (position == ComponentFrame::kFixedParts)
            drawImage(f, row.shape.fixedImage, row.fixedGlyph);
        else
            f.draw(row.blades[position]);
    });
}

}  // namespace velk
