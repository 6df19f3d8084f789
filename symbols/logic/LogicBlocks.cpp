// The logic blocks: AND, OR, NAND and NOR with two to five inputs, the inverter and
// the exclusive OR. Each is a box with its inputs on the left, one row apart, and
// its output on the row of the last input. While simulating a block reads the
// letters at its inputs (only "+" is 1), writes "+" or "0" onto the one wire at its
// output on every pass and keeps the output in its state, which same-label chart
// transitions read. The body is drawn on the last pass only, in the state's colours.
// All eighteen types run one routine over a row of the member table.
#include "model/VelkarionView.h"
#include "platform/dc.h"
#include "render/Colors.h"
#include "render/Paint.h"
#include "render/Potentials.h"
#include "symbols/ComponentFrame.h"

namespace velk {

namespace {

// The output link when the output terminal found no wire in this pass (a wire in
// slot 0 is a real output wire).
constexpr int kNoOutputWire = -1;

// What differs with the number of inputs: the terminals (inputs first, the output
// last), the leads in the same order, the box and the second-text row.
struct BlockShape {
    int inputs;
    Commands terminals;
    Commands leads;
    const char* fill;
    Commands edges;
    const char* secondTextY;
};

constexpr const char* kTerminals1[] = {"NUME,+005,+000,%c%c%c%c", "NUME,+080,+000,%c%c%c%c"};
// The inverter's output lead starts at the bubble's right edge.
constexpr const char* kLeads1[] = {"LINE,+000,+000,+015,+000", "LINE,+070,+000,+075,+000"};
constexpr const char* kEdges1[] = {"LINE,+015,-015,+060,-015", "LINE,+060,-015,+060,+015", "LINE,+060,+015,+015,+015",
                                   "LINE,+015,+015,+015,-015"};

constexpr const char* kTerminals2[] = {"NUME,+005,+000,%c%c%c%c", "NUME,+005,+030,%c%c%c%c", "NUME,+080,+030,%c%c%c%c"};
constexpr const char* kLeads2[] = {"LINE,+000,+000,+015,+000", "LINE,+000,+030,+015,+030", "LINE,+060,+030,+075,+030"};
constexpr const char* kEdges2[] = {"LINE,+015,-015,+060,-015", "LINE,+060,-015,+060,+045", "LINE,+060,+045,+015,+045",
                                   "LINE,+015,+045,+015,-015"};

constexpr const char* kTerminals3[] = {"NUME,+005,+000,%c%c%c%c", "NUME,+005,+030,%c%c%c%c", "NUME,+005,+060,%c%c%c%c",
                                       "NUME,+080,+060,%c%c%c%c"};
constexpr const char* kLeads3[] = {"LINE,+000,+000,+015,+000", "LINE,+000,+030,+015,+030", "LINE,+000,+060,+015,+060",
                                   "LINE,+060,+060,+075,+060"};
constexpr const char* kEdges3[] = {"LINE,+015,-015,+060,-015", "LINE,+060,-015,+060,+075", "LINE,+060,+075,+015,+075",
                                   "LINE,+015,+075,+015,-015"};

constexpr const char* kTerminals4[] = {"NUME,+005,+000,%c%c%c%c", "NUME,+005,+030,%c%c%c%c", "NUME,+005,+060,%c%c%c%c",
                                       "NUME,+005,+090,%c%c%c%c", "NUME,+080,+090,%c%c%c%c"};
constexpr const char* kLeads4[] = {"LINE,+000,+000,+015,+000", "LINE,+000,+030,+015,+030", "LINE,+000,+060,+015,+060",
                                   "LINE,+000,+090,+015,+090", "LINE,+060,+090,+075,+090"};
constexpr const char* kEdges4[] = {"LINE,+015,-015,+060,-015", "LINE,+060,-015,+060,+105", "LINE,+060,+105,+015,+105",
                                   "LINE,+015,+105,+015,-015"};

constexpr const char* kTerminals5[] = {"NUME,+005,+000,%c%c%c%c", "NUME,+005,+030,%c%c%c%c", "NUME,+005,+060,%c%c%c%c",
                                       "NUME,+005,+090,%c%c%c%c", "NUME,+005,+120,%c%c%c%c", "NUME,+080,+120,%c%c%c%c"};
constexpr const char* kLeads5[] = {"LINE,+000,+000,+015,+000", "LINE,+000,+030,+015,+030", "LINE,+000,+060,+015,+060",
                                   "LINE,+000,+090,+015,+090", "LINE,+000,+120,+015,+120", "LINE,+060,+120,+075,+120"};
constexpr const char* kEdges5[] = {"LINE,+015,-015,+060,-015", "LINE,+060,-015,+060,+135", "LINE,+060,+135,+015,+135",
                                   "LINE,+015,+135,+015,-015"};

constexpr BlockShape kShape1{1, kTerminals1, kLeads1, "POLI,+015,-015,+060,-015,+060,+015,+015,+015", kEdges1, "+016"};
constexpr BlockShape kShape2{2, kTerminals2, kLeads2, "POLI,+015,-015,+060,-015,+060,+045,+015,+045", kEdges2, "+046"};
constexpr BlockShape kShape3{3, kTerminals3, kLeads3, "POLI,+015,-015,+060,-015,+060,+075,+015,+075", kEdges3, "+076"};
constexpr BlockShape kShape4{4, kTerminals4, kLeads4, "POLI,+015,-015,+060,-015,+060,+105,+015,+105", kEdges4, "+106"};
constexpr BlockShape kShape5{5, kTerminals5, kLeads5, "POLI,+015,-015,+060,-015,+060,+135,+015,+135", kEdges5, "+136"};

// The function signs inside the box.
constexpr const char* kAndText[] = {"TEXT,+027,-007,&    ,0"};
constexpr const char* kOrText[] = {"TEXT,+027,-010,>    ,0", "TEXT,+027,-002,=    ,0", "TEXT,+036,-007,1    ,0"};
constexpr const char* kExorText[] = {"TEXT,+027,-007,=    ,0", "TEXT,+036,-007,1    ,0"};

// The output as a rule over the number of inputs at "+".
enum class Function { And, Or, Nand, Nor, Not, Exor };

bool output(Function function, int ones, int inputs) {
    switch (function) {
        case Function::And: return ones == inputs;
        case Function::Or: return ones > 0;
        case Function::Nand: return ones < inputs;
        case Function::Nor:
        case Function::Not: return ones == 0;
        case Function::Exor: return ones == 1;
    }
    return false;
}

// One member: its type, function, shape, function sign and negation bubble
// (nullptr for none).
struct LogicBlock {
    int type;
    Function function;
    const BlockShape& shape;
    Commands symbolTexts;
    const char* bubble;
};

constexpr LogicBlock kLogicBlocks[] = {
    {kTypeAnd2, Function::And, kShape2, kAndText, nullptr},
    {kTypeAnd3, Function::And, kShape3, kAndText, nullptr},
    {kTypeAnd4, Function::And, kShape4, kAndText, nullptr},
    {kTypeAnd5, Function::And, kShape5, kAndText, nullptr},
    {kTypeOr2, Function::Or, kShape2, kOrText, nullptr},
    {kTypeOr3, Function::Or, kShape3, kOrText, nullptr},
    {kTypeOr4, Function::Or, kShape4, kOrText, nullptr},
    {kTypeOr5, Function::Or, kShape5, kOrText, nullptr},
    {kTypeNand2, Function::Nand, kShape2, kAndText, "ELIP,+060,+025,+070,+035"},
    {kTypeNand3, Function::Nand, kShape3, kAndText, "ELIP,+060,+055,+070,+065"},
    {kTypeNand4, Function::Nand, kShape4, kAndText, "ELIP,+060,+085,+070,+095"},
    {kTypeNand5, Function::Nand, kShape5, kAndText, "ELIP,+060,+115,+070,+125"},
    {kTypeNor2, Function::Nor, kShape2, kOrText, "ELIP,+060,+025,+070,+035"},
    {kTypeNor3, Function::Nor, kShape3, kOrText, "ELIP,+060,+055,+070,+065"},
    {kTypeNor4, Function::Nor, kShape4, kOrText, "ELIP,+060,+085,+070,+095"},
    {kTypeNor5, Function::Nor, kShape5, kOrText, "ELIP,+060,+115,+070,+125"},
    {kTypeNot, Function::Not, kShape1, {}, "ELIP,+060,-005,+070,+005"},
    {kTypeExor, Function::Exor, kShape2, kExorText, nullptr},
};

// The row of a type; every routine passes a type of the table.
const LogicBlock& blockOf(int type) {
    for (const LogicBlock& block : kLogicBlocks)
        if (block.type == type) return block;
    return kLogicBlocks[0];
}

// The bubble's disc in the colour the pen holds, with a brush of its own that is
// put away again before anything else is drawn.
void drawBubbleDisc(ComponentFrame& f, const char* bubble) {
    Dc& dc = f.dc();
    const Brush previous = dc.selectBrush(Brush::solid(f.view().m_penColor));
    f.draw(bubble);
    dc.selectBrush(previous);
}

// Box fill (with the bubble's disc) in one colour, then edges, bubble ring and
// function sign in another.
void drawBody(ComponentFrame& f, const LogicBlock& block, Color fill, Color frame) {
    CVelkarionView& v = f.view();
    v.m_penColor = fill;
    f.draw(block.shape.fill);
    if (block.bubble) drawBubbleDisc(f, block.bubble);
    v.m_penColor = frame;
    f.draw(block.shape.edges);
    if (block.bubble) f.draw(block.bubble);
    f.draw(block.symbolTexts);
}

void drawLogicBlock(CVelkarionView& v, Dc& dc, double zoom, int ox, int oy, const LogicBlock& block) {
    const BlockShape& shape = block.shape;
    const int n = shape.inputs;
    ComponentFrame f(v, dc, zoom, ox, oy);
    f.drawLabels({"-U", {"TEXT,%3s,%3s,%5s,0", "+015", "-032"}, {"TEXT,%3s,%3s,%5s,0", "+015", shape.secondTextY}});
    f.useStateColor();

    const char* const* terminal = shape.terminals.begin();
    for (int k = 0; k < n; ++k) f.terminal(terminal[k], k, " ", WireLink::Net);
    if (f.evaluating()) v.m_terminalLink[f.slot()][n] = kNoOutputWire;
    f.terminal(terminal[n], n, " ", WireLink::Slot);

    if (f.evaluating()) {
        // An input held against the output's letter read in this pass.
        for (int k = 0; k < n; ++k)
            if (!f.checkClash(f.letterAt(k), f.letterAt(n))) return;
        int ones = 0;
        for (int k = 0; k < n; ++k)
            if (f.letterAt(k) == kPotentialPlus) ++ones;
        const bool on = output(block.function, ones, n);
        f.writeLinkedWire(n, on ? kPotentialPlus : kPotentialNone);
        v.m_state[f.slot()] = on ? 1 : 0;
        if (g_simPass != kFinalSimPass) return;
        v.m_penColor = on ? g_colorRed : g_colorGrey;
        f.draw(shape.leads);
        drawBody(f, block, on ? g_colorGrey : g_colorSilver, on ? g_colorRed : g_colorBlack);
        return;
    }
    if (f.stopped()) return;
    if (f.showing()) {
        // The block as the last pass left it, its output kept.
        const bool on = v.m_state[f.slot()] == 1;
        v.m_penColor = on ? g_colorRed : g_colorGrey;
        f.draw(shape.leads);
        drawBody(f, block, on ? g_colorGrey : g_colorSilver, on ? g_colorRed : g_colorBlack);
        return;
    }
    const Color entry = v.m_penColor;
    f.draw(shape.leads);
    drawBody(f, block, g_colorSilver, entry);
}

}  // namespace

void CVelkarionView::DrawAnd2Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeAnd2));
}
void CVelkarionView::DrawAnd3Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeAnd3));
}
void CVelkarionView::DrawAnd4Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeAnd4));
}
void CVelkarionView::DrawAnd5Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeAnd5));
}
void CVelkarionView::DrawOr2Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeOr2));
}
void CVelkarionView::DrawOr3Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeOr3));
}
void CVelkarionView::DrawOr4Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeOr4));
}
void CVelkarionView::DrawOr5Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeOr5));
}
void CVelkarionView::DrawNand2Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeNand2));
}
void CVelkarionView::DrawNand3Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeNand3));
}
void CVelkarionView::DrawNand4Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeNand4));
}
void CVelkarionView::DrawNand5Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeNand5));
}
void CVelkarionView::DrawNor2Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeNor2));
}
void CVelkarionView::DrawNor3Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeNor3));
}
void CVelkarionView::DrawNor4Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeNor4));
}
void CVelkarionView::DrawNor5Gate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeNor5));
}
void CVelkarionView::DrawNotGate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeNot));
}
void CVelkarionView::DrawExorGate(Dc& dc, double zoom, int ox, int oy) {
    drawLogicBlock(*this, dc, zoom, ox, oy, blockOf(kTypeExor));
}

}  // namespace velk
