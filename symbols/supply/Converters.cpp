// Converters and the diode. A transformer, a rectifier bridge or a power supply
// unit is energised by the letters at its inputs matching a row of its table, and
// then writes the row's letters straight into the wires at its outputs: they own
// those wires, so there is no clash check and no fed mark. The diode passes '+'
// from a live anode into the whole net of its cathode, that way round only.
#include <cstdio>
#include <string>

#include "model/VelkarionView.h"
#include "render/Colors.h"
#include "render/Potentials.h"
#include "symbols/ComponentFrame.h"

namespace velk {

namespace {

constexpr const char* kTextFormat = "TEXT,%3s,%3s,%5s,2";

constexpr int kMaxConverterTerminals = 6;
constexpr int kMaxInputs = 3;
constexpr int kMaxOutputs = 3;

struct ConverterTerminal {
    const char* format;
    const char* previewName;
    bool earth;  // drawn, never scanned
};

// Input letters (terminal order) and the letters the outputs then carry.
struct ConverterRow {
    char in[kMaxInputs + 1];
    char out[kMaxOutputs + 1];
};

class ConverterRows {
public:
    template <std::size_t N>
    constexpr ConverterRows(const ConverterRow (&rows)[N]) : m_first(rows), m_count(N) {}
    constexpr const ConverterRow* begin() const { return m_first; }
    constexpr const ConverterRow* end() const { return m_first + m_count; }

private:
    const ConverterRow* m_first;
    std::size_t m_count;
};

// How the picture shows the state while simulating.
enum class ConverterPicture {
    Parts,  // the fixed parts black in every call, the state parts red or grey on a change
    Box,    // on a change only: the box silver or white, then the whole picture black
};

struct ConverterForm {
    LabelLayout labels;
    ConverterTerminal terminals[kMaxConverterTerminals];
    int terminalCount;
    int inputCount;  // the first terminals are the inputs, the outputs follow
    int outputCount;
    ConverterRows rows;
    Commands picture;  // outside simulation, and over the box
    ConverterPicture mode;
    Commands fixed;       // Parts: black, every call
    Commands stateParts;  // Parts: red or grey, on a change
    Commands box;         // Box: the filled body
};

// --- tables ----------------------------------------------------------------------------

// The ordered pairs that energise a single-phase converter.
constexpr ConverterRow kTransformerRows[] = {
    {"12", "12"}, {"23", "23"}, {"13", "13"}, {"1N", "1N"}, {"2N", "2N"}, {"3N", "3N"},
};
constexpr ConverterRow kDcRows[] = {
    {"12", "+-"}, {"23", "+-"}, {"13", "+-"}, {"1N", "+-"}, {"2N", "+-"}, {"3N", "+-"},
};
// The three-phase transformer keeps the phase sequence: a cyclic order gives
// 1 2 3 on the secondary, an anticyclic one 1 3 2, so a motor behind it turns the
// way it would on the primary.
constexpr ConverterRow kTransformerThreePhaseRows[] = {
    {"123", "123"}, {"312", "123"}, {"231", "123"},
    {"132", "132"}, {"213", "132"}, {"321", "132"},
};
constexpr ConverterRow kDcThreePhaseRows[] = {
    {"123", "+-"}, {"312", "+-"}, {"231", "+-"}, {"132", "+-"}, {"213", "+-"}, {"321", "+-"},
};

// --- pictures ----------------------------------------------------------------------------

constexpr const char* kTransformerPicture[] = {
    "LINE,+000,+000,+000,+015", "LINE,+045,+000,+045,+015", "LINE,+000,+060,+000,+075",
    "LINE,+045,+060,+045,+075", "LINE,+000,+035,+045,+035", "LINE,+000,+040,+045,+040",
    "POLI,+000,+015,+045,+015,+045,+030,+000,+030", "POLI,+000,+045,+045,+045,+045,+060,+000,+060",
};
constexpr const char* kTransformerFixed[] = {
    "LINE,+000,+000,+000,+015", "LINE,+045,+000,+045,+015", "LINE,+000,+060,+000,+075",
    "LINE,+045,+060,+045,+075", "POLI,+000,+015,+045,+015,+045,+030,+000,+030",
    "POLI,+000,+045,+045,+045,+045,+060,+000,+060",
};
constexpr const char* kTransformerCore[] = {"LINE,+000,+035,+045,+035", "LINE,+000,+040,+045,+040"};

constexpr const char* kRectifierPicture[] = {
    "LINE,+000,+000,+000,+015", "LINE,+030,+045,+045,+045", "LINE,+000,+075,+000,+090",
    "LINE,-045,+045,-030,+045", "LINE,+000,+015,+030,+045", "LINE,+030,+045,+000,+075",
    "LINE,+000,+075,-030,+045", "LINE,-030,+045,+000,+015", "LINE,-015,+045,+015,+045",
    "LINE,+007,+037,+007,+054", "POLI,-007,+037,+007,+045,+007,+045,-007,+054",
    "TEXT,-026,+038,~    ,0",   "TEXT,+020,+038,~    ,0",   "TEXT,-003,+015,+    ,0",
    "TEXT,-001,+060,-    ,0",
};
constexpr const char* kRectifierFixed[] = {
    "LINE,+000,+000,+000,+015", "LINE,+030,+045,+045,+045", "LINE,+000,+075,+000,+090",
    "LINE,-045,+045,-030,+045", "LINE,+000,+015,+030,+045", "LINE,+030,+045,+000,+075",
    "LINE,+000,+075,-030,+045", "LINE,-030,+045,+000,+015", "TEXT,-026,+038,~    ,0",
    "TEXT,+020,+038,~    ,0",   "TEXT,-003,+015,+    ,0",   "TEXT,-001,+060,-    ,0",
};
constexpr const char* kRectifierDiode[] = {"LINE,-015,+045,+015,+045", "LINE,+007,+037,+007,+054",
                                           "POLI,-007,+037,+007,+045,+007,+045,-007,+054"};

constexpr const char* kPowerSupplyPicture[] = {
    "LINE,+000,+000,+000,+015", "LINE,+030,+000,+030,+015", "LINE,+000,+075,+000,+090",
    "LINE,+030,+075,+030,+090", "LINE,+045,+045,+060,+045", "LINE,-015,+015,+045,+015",
    "LINE,+045,+015,+045,+075", "LINE,+045,+075,-015,+075", "LINE,-015,+075,-015,+015",
    "LINE,-015,+075,+045,+015", "TEXT,-004,+061,+    ,0",   "TEXT,+028,+061,-    ,0",
    "LINE,+020,+055,+035,+055", "LINE,+020,+060,+035,+060", "ARCO,-005,+028,+005,+038,+005,+033,-005,+033",
    "ARCO,+005,+028,+015,+038,+005,+033,+015,+033",
};
constexpr const char* kPowerSupplyBox[] = {"POLI,-015,+015,+045,+015,+045,+075,-015,+075"};

constexpr const char* kTransformerThreePhasePicture[] = {
    "LINE,+000,+000,+000,+015", "LINE,+030,+000,+030,+015", "LINE,+060,+000,+060,+015",
    "LINE,+000,+060,+000,+075", "LINE,+030,+060,+030,+075", "LINE,+060,+060,+060,+075",
    "LINE,+000,+035,+060,+035", "LINE,+000,+040,+060,+040", "POLI,+000,+015,+060,+015,+060,+030,+000,+030",
    "POLI,+000,+045,+060,+045,+060,+060,+000,+060",
};
constexpr const char* kTransformerThreePhaseFixed[] = {
    "LINE,+000,+000,+000,+015", "LINE,+030,+000,+030,+015", "LINE,+060,+000,+060,+015",
    "LINE,+000,+060,+000,+075", "LINE,+030,+060,+030,+075", "LINE,+060,+060,+060,+075",
    "POLI,+000,+015,+060,+015,+060,+030,+000,+030", "POLI,+000,+045,+060,+045,+060,+060,+000,+060",
};
constexpr const char* kTransformerThreePhaseCore[] = {"LINE,+000,+035,+060,+035", "LINE,+000,+040,+060,+040"};

constexpr const char* kPowerSupplyThreePhasePicture[] = {
    "LINE,+000,+000,+000,+015", "LINE,+030,+000,+030,+015", "LINE,+060,+000,+060,+015",
    "LINE,+015,+075,+015,+090", "LINE,+045,+075,+045,+090", "LINE,+075,+045,+090,+045",
    "LINE,-015,+015,+075,+015", "LINE,+075,+015,+075,+075", "LINE,+075,+075,-015,+075",
    "LINE,-015,+075,-015,+015", "LINE,-015,+075,+075,+015", "TEXT,-004,+061,+    ,0",
    "TEXT,+058,+061,-    ,0",   "LINE,+050,+055,+065,+055", "LINE,+050,+060,+065,+060",
    "ARCO,-005,+028,+005,+038,+005,+033,-005,+033", "ARCO,+005,+028,+015,+038,+005,+033,+015,+033",
};
constexpr const char* kPowerSupplyThreePhaseBox[] = {"POLI,-015,+015,+075,+015,+075,+075,-015,+075"};

// --- members -----------------------------------------------------------------------------

constexpr LabelLayout labelsAt(const char* preview, const char* dx, const char* dy, const char* dy2) {
    return {preview, {kTextFormat, dx, dy}, {kTextFormat, dx, dy2}};
}

// The transformer's preview names its upper right terminal "3" and its lower left
// one "2"; placed, it shows the names placement stored ("2" and "3").
constexpr ConverterForm kTransformer{
    labelsAt("-T", "-020", "+022", "+037"),
    {{"NUME,+005,+000,%c%c%c%c", "1", false},
     {"NUME,+050,+000,%c%c%c%c", "3", false},
     {"NUME,+005,+060,%c%c%c%c", "2", false},
     {"NUME,+050,+060,%c%c%c%c", "4", false}},
    4, 2, 2, kTransformerRows, kTransformerPicture, ConverterPicture::Parts, kTransformerFixed, kTransformerCore, {}};

constexpr ConverterForm kRectifier{
    labelsAt("-V", "-020", "-008", "+007"),
    {{"NUME,-040,+030,%c%c%c%c", "1", false},
     {"NUME,+050,+030,%c%c%c%c", "2", false},
     {"NUME,+005,+000,%c%c%c%c", "3", false},
     {"NUME,+005,+075,%c%c%c%c", "4", false}},
    4, 2, 2, kDcRows, kRectifierPicture, ConverterPicture::Parts, kRectifierFixed, kRectifierDiode, {}};

constexpr ConverterForm kPowerSupplyUnit{
    labelsAt("-V", "-020", "+030", "+045"),
    {{"NUME,+005,+000,%c%c%c%c", "1", false},
     {"NUME,+035,+000,%c%c%c%c", "2", false},
     {"NUME,+005,+075,%c%c%c%c", "3", false},
     {"NUME,+035,+075,%c%c%c%c", "4", false},
     {"NUME,+050,+045,%c%c%c%c", "PE", true}},
    5, 2, 2, kDcRows, kPowerSupplyPicture, ConverterPicture::Box, {}, {}, kPowerSupplyBox};

constexpr ConverterForm kTransformerThreePhase{
    labelsAt("-T", "-020", "+022", "+037"),
    {{"NUME,+005,+000,%c%c%c%c", "1", false},
     {"NUME,+035,+000,%c%c%c%c", "2", false},
     {"NUME,+065,+000,%c%c%c%c", "3", false},
     {"NUME,+005,+060,%c%c%c%c", "4", false},
     {"NUME,+035,+060,%c%c%c%c", "5", false},
     {"NUME,+065,+060,%c%c%c%c", "6", false}},
    6, 3, 3, kTransformerThreePhaseRows, kTransformerThreePhasePicture, ConverterPicture::Parts,
    kTransformerThreePhaseFixed, kTransformerThreePhaseCore, {}};

constexpr ConverterForm kPowerSupplyUnitThreePhase{
    labelsAt("-V", "-020", "+030", "+045"),
    {{"NUME,+005,+000,%c%c%c%c", "1", false},
     {"NUME,+035,+000,%c%c%c%c", "2", false},
     {"NUME,+065,+000,%c%c%c%c", "3", false},
     {"NUME,+020,+075,%c%c%c%c", "4", false},
     {"NUME,+050,+075,%c%c%c%c", "5", false},
     {"NUME,+080,+045,%c%c%c%c", "PE", true}},
    6, 3, 2, kDcThreePhaseRows, kPowerSupplyThreePhasePicture, ConverterPicture::Box, {}, {},
    kPowerSupplyThreePhaseBox};

// The earth terminal's name stands right-aligned in two characters.
std::string earthName(const std::string& name) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%2s", terminalField(name).c_str());
    return buffer;
}

// The letter at terminal k as this call found it: '0' when no wire touches it now.
char letterFoundAt(const ComponentFrame& f, int k) { return f.wireFoundAt(k) ? f.letterAt(k) : kPotentialNone; }

// The row the input letters match, or none.
const ConverterRow* energisingRow(const ComponentFrame& f, const ConverterForm& form) {
    for (const ConverterRow& row : form.rows) {
        bool match = true;
        for (int k = 0; k < form.inputCount; ++k) match = match && letterFoundAt(f, k) == row.in[k];
        if (match) return &row;
    }
    return nullptr;
}

void drawConverter(CVelkarionView& view, Dc& dc, double zoom, int x, int y, const ConverterForm& form) {
    ComponentFrame f(view, dc, zoom, x, y);
    f.drawLabels(form.labels);
    for (int k = 0; k < form.terminalCount; ++k) {
        const ConverterTerminal& t = form.terminals[k];
        const std::string name = f.terminalName(k, t.previewName);
        if (t.earth) {
            f.drawTerminal(t.format, earthName(name));
            continue;
        }
        f.drawTerminal(t.format, name);
        f.scanTerminal(k, WireLink::Slot);
    }

    CVelkarionView& v = f.view();
    const int s = f.slot();
    if (f.showing()) {
        // As the last pass drew it; no output wire is written.
        const bool energised = v.m_state[s] == 1;
        if (form.mode == ConverterPicture::Parts) {
            f.setPenColor(g_colorBlack);
            f.draw(form.fixed);
            f.setPenColor(energised ? g_colorRed : g_colorGrey);
            f.draw(form.stateParts);
            return;
        }
        f.setPenColor(energised ? g_colorSilver : g_colorWhite);
        f.draw(form.box);
        f.setPenColor(g_colorBlack);
        f.draw(form.picture);
        return;
    }
    if (!f.evaluating()) {
        f.draw(form.picture);
        return;
    }
    v.m_state[s] = 0;
    if (const ConverterRow* row = energisingRow(f, form)) {
        for (int o = 0; o < form.outputCount; ++o) f.writeLinkedWire(form.inputCount + o, row->out[o]);
        v.m_state[s] = 1;
    }

    const bool energised = v.m_state[s] == 1;
    if (form.mode == ConverterPicture::Parts) {
        f.setPenColor(g_colorBlack);
        f.draw(form.fixed);
        if (v.m_state[s] == v.m_drawnState[s]) return;
        v.m_drawnState[s] = v.m_state[s];
        f.setPenColor(energised ? g_colorRed : g_colorGrey);
        f.draw(form.stateParts);
        return;
    }
    if (v.m_state[s] == v.m_drawnState[s]) return;
    v.m_drawnState[s] = v.m_state[s];
    f.setPenColor(energised ? g_colorSilver : g_colorWhite);
    f.draw(form.box);
    f.setPenColor(g_colorBlack);
    f.draw(form.picture);
}

// --- diode ---------------------------------------------------------------------------------

constexpr LabelLayout kDiodeLabels = labelsAt("-D", "-020", "+022", "+037");
constexpr const char* kDiodePicture[] = {"LINE,+000,+000,+000,+060", "LINE,-012,+042,+013,+042",
                                         "POLI,-012,+018,+013,+018,+000,+042,-012,+018"};
constexpr int kAnode = 0, kCathode = 1;

bool passesDiode(char anode) {
    return anode == kPotentialL1 || anode == kPotentialL2 || anode == kPotentialL3 || anode == kPotentialPlus;
}

}  // namespace

void CVelkarionView::DrawTransformer(Dc& dc, double zoom, int ox, int oy) {
    drawConverter(*this, dc, zoom, ox, oy, kTransformer);
}
void CVelkarionView::DrawRectifier(Dc& dc, double zoom, int ox, int oy) {
    drawConverter(*this, dc, zoom, ox, oy, kRectifier);
}
void CVelkarionView::DrawPowerSupplyUnit(Dc& dc, double zoom, int ox, int oy) {
    drawConverter(*this, dc, zoom, ox, oy, kPowerSupplyUnit);
}
void CVelkarionView::DrawTransformerThreePhase(Dc& dc, double zoom, int ox, int oy) {
    drawConverter(*this, dc, zoom, ox, oy, kTransformerThreePhase);
}
void CVelkarionView::DrawPowerSupplyUnitThreePhase(Dc& dc, double zoom, int ox, int oy) {
    drawConverter(*this, dc, zoom, ox, oy, kPowerSupplyUnitThreePhase);
}

// A live anode puts '+' on every wire and dot of the cathode's net, whatever they
// carried; nothing ever flows back to the anode.
void CVelkarionView::DrawDiode(Dc& dc, double zoom, int ox, int oy) {
    ComponentFrame f(*this, dc, zoom, ox, oy);
    f.drawLabels(kDiodeLabels);
    f.terminal("NUME,+005,+000,%c%c%c%c", kAnode, "13");
    f.terminal("NUME,+005,+045,%c%c%c%c", kCathode, "14");
    if (f.evaluating()) {
        const int s = f.slot();
        if (!passesDiode(letterFoundAt(f, kAnode))) {
            m_state[s] = 0;
        } else if (f.wireFoundAt(kCathode)) {
            const int net = m_terminalLink[s][kCathode];
            for (int j = 0; j < m_componentCount; ++j) {
                if (!isLive(j) || !isFedByNet(m_type[j]) || m_netNumber[j] != net) continue;
                m_potential[j].setLetter(kPotentialPlus);
                m_terminalPotential[j][kCathode].setLetter(kPotentialFedMark);
                m_state[s] = 1;
            }
        }
        f.setPenColor(m_state[s] == 1 ? g_colorRed : g_colorGrey);
    }
    if (f.showing()) f.setPenColor(m_state[f.slot()] == 1 ? g_colorRed : g_colorGrey);
    f.draw(kDiodePicture);
}

}  // namespace velk
