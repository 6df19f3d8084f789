// The closed power pole (see PoleEvaluation.h).
#include "symbols/power/PoleEvaluation.h"

#include "render/Potentials.h"

namespace velk {

namespace {

// Where a pole sends a letter for one wire or dot j: the terminal whose net j is
// on, and the letter it takes; dead < 0 for nothing.
struct Feed {
    int dead = -1;
    char letter = kPotentialNone;
};

// A "Y" across a closed pole forms the star point on the "y" side.
Feed starStep(char top, char bottom, const PowerPole& pole) {
    if (top == kPotentialStarPoint && bottom == kPotentialStarCandidate) return {pole.bottom, kPotentialStarPoint};
    if (top == kPotentialStarCandidate && bottom == kPotentialStarPoint) return {pole.top, kPotentialStarPoint};
    return {};
}

// A live side feeds a dead one, whatever its letter (marks included).
Feed feedStep(char top, char bottom, const PowerPole& pole) {
    if (top != kPotentialNone && bottom == kPotentialNone) return {pole.bottom, top};
    if (top == kPotentialNone && bottom != kPotentialNone) return {pole.top, bottom};
    return {};
}

void apply(ComponentFrame& f, int j, const Feed& feed) {
    CVelkarionView& v = f.view();
    if (feed.dead < 0 || !f.wireFoundAt(feed.dead)) return;
    if (v.m_netNumber[j] != v.m_terminalLink[f.slot()][feed.dead]) return;
    v.m_potential[j].setLetter(feed.letter);
    v.m_terminalPotential[j][feed.dead].setLetter(kPotentialFedMark);
}

}  // namespace

char poleLetter(const ComponentFrame& f, int k) { return f.wireFoundAt(k) ? f.letterAt(k) : kPotentialNone; }

bool evaluateClosedPoles(ComponentFrame& f, const PowerPole* poles, std::size_t count) {
    if (!f.evaluating()) return !f.stopped();
    for (std::size_t p = 0; p < count; ++p)
        if (!f.checkClash(poleLetter(f, poles[p].top), poleLetter(f, poles[p].bottom))) return false;

    // The letters do not change during the walk, so neither does what each pole
    // sends where.
    Feed stars[kMaxPowerPoles], feeds[kMaxPowerPoles];
    const std::size_t n = count < kMaxPowerPoles ? count : kMaxPowerPoles;
    for (std::size_t p = 0; p < n; ++p) {
        const char top = poleLetter(f, poles[p].top), bottom = poleLetter(f, poles[p].bottom);
        if (poles[p].starStep) stars[p] = starStep(top, bottom, poles[p]);
        feeds[p] = feedStep(top, bottom, poles[p]);
    }
    // Only the wires and dots of the nets fed can take a letter.
    int nets[2 * kMaxPowerPoles];
    std::size_t netCount = 0;
    for (const Feed* list : {stars, feeds})
        for (std::size_t p = 0; p < n; ++p)
            if (list[p].dead >= 0 && f.wireFoundAt(list[p].dead))
                nets[netCount++] = f.view().m_terminalLink[f.slot()][list[p].dead];
    if (netCount == 0) return true;
    f.forEachFedSlot(nets, netCount, [&](int j) {
        for (std::size_t p = 0; p < n; ++p) apply(f, j, stars[p]);
        for (std::size_t p = 0; p < n; ++p) apply(f, j, feeds[p]);
    });
    return true;
}

}  // namespace velk
