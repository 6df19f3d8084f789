// The voltage test, the edge latch and the slave copy of the loads (see VoltageTest.h).
#include "symbols/control/VoltageTest.h"

#include "render/Colors.h"
#include "render/Potentials.h"
#include "render/SlotLookups.h"

namespace velk {

namespace {

struct LetterPair {
    char a;
    char b;
};

// Every pair that energises a load, in both orders.
constexpr LetterPair kEnergisingPairs[] = {
    {kPotentialL1, kPotentialNeutral}, {kPotentialL2, kPotentialNeutral}, {kPotentialL3, kPotentialNeutral},
    {kPotentialNeutral, kPotentialL1}, {kPotentialNeutral, kPotentialL2}, {kPotentialNeutral, kPotentialL3},
    {kPotentialL1, kPotentialL2},      {kPotentialL1, kPotentialL3},      {kPotentialL2, kPotentialL1},
    {kPotentialL2, kPotentialL3},      {kPotentialL3, kPotentialL1},      {kPotentialL3, kPotentialL2},
    {kPotentialMinus, kPotentialPlus}, {kPotentialPlus, kPotentialMinus},
};

}  // namespace

bool voltageAcross(char a, char b) {
    for (const LetterPair& p : kEnergisingPairs)
        if (p.a == a && p.b == b) return true;
    return false;
}

char letterAtTerminal(ComponentFrame& f) {
    if (!f.evaluating()) return kPotentialNone;
    const int wire = f.view().wireAtTerminal();
    return wire >= 0 ? f.view().m_potential[wire].letter() : kPotentialNone;
}

Edge latchEdge(bool energised, int lastResult) {
    if (energised && (lastResult == 0 || lastResult == -1)) return Edge::Rising;
    if (!energised && lastResult != 0) return Edge::Falling;
    return Edge::None;
}

void fillBody(ComponentFrame& f, Edge edge, Commands body) {
    if (edge == Edge::None) return;
    const bool rising = edge == Edge::Rising;
    f.setPenColor(rising ? g_colorSilver : g_colorWhite);
    f.draw(body);
    f.setPenColor(rising ? g_colorRed : g_colorGrey);
}

bool followsCoil(int type) {
    return type == kTypeMainContactsII || type == kTypeMainContactsIII || type == kTypeMainContactsIIII ||
           type == kTypeMainContactsI || (type >= kTypeAuxContactNO && type <= kTypeAuxContactChangeover);
}

void copyStateToSlaves(CVelkarionView& v, int master, bool (*follows)(int type), int value) {
    const int state = value == 1 ? 1 : 0;
    const std::string& label = v.m_label[master];
    // An unlabelled master drives nothing, as an unlabelled device operated by the
    // mouse moves nothing but itself.
    if (label.empty()) return;
    if (const SlotLookups* lookups = v.paintLookups()) {
        lookups->labels.forEach(label, [&](int j) {
            if (follows(v.m_type[j])) v.m_state[j] = state;
        });
        return;
    }
    for (int j = 0; j < v.m_componentCount; ++j)
        if (v.isLive(j) && follows(v.m_type[j]) && CVelkarionView::labelsEqual(v.m_label[j], label))
            v.m_state[j] = state;
}

}  // namespace velk
