// Net numbering at the start of a run: every group of wires that is electrically
// one conductor gets one number, every bundle a bundle number. A switching device
// then feeds a whole conductor at once by its number. The number column is the
// whole state: numbers are only compared for equality, a merged net keeps one of
// its numbers and the others are never used again.
#include "model/VelkarionView.h"
#include "render/Wires.h"

namespace velk {

namespace {

bool isNumberedKind(int type) {
    return isWireLike(type) || type == kTypeConnectionDot || type == kTypeBundle ||
           type == kTypeBundleEntryLeft || type == kTypeBundleEntryRight;
}

bool isBundleEntryKind(int type) { return type == kTypeBundleEntryLeft || type == kTypeBundleEntryRight; }

bool within(long long low, long long v, long long high) { return low <= v && v <= high; }

// A connection dot is a point: both its ends are its insertion point, whatever its
// second corner holds.
LineEnds endsOf(const CVelkarionView& v, int slot) {
    if (v.m_type[slot] == kTypeConnectionDot) return {v.m_x[slot], v.m_y[slot], v.m_x[slot], v.m_y[slot]};
    return lineEndsOf(v, slot);
}

}  // namespace

void CVelkarionView::NumberWireNets() {
    for (int i = 0; i < m_componentCount; ++i)
        if (m_deleted[i] == 0 && isNumberedKind(m_type[i])) m_netNumber[i] = 0;
    m_netCounter = 1;
    // The second sweep carries merges made late in the first back to wires visited
    // earlier.
    for (int sweep = 0; sweep < 2; ++sweep) {
        for (m_loopIndex = 0; m_loopIndex < m_componentCount; ++m_loopIndex) {
            const int i = m_loopIndex;
            if (!isLive(i)) continue;
            if (isWireLike(m_type[i])) {
                if (m_netNumber[i] == 0) m_netNumber[i] = m_netCounter++;
                MergeTouchingWires(i);
                NumberDotsOnWire(i);
                NumberBundleEntriesAtWireEnds(i);
            } else if (m_type[i] == kTypeConnectionDot) {
                // A dot's two points coincide: this reaches the dots at the same
                // point, itself included.
                NumberDotsOnWire(i);
            }
        }
    }
}

void CVelkarionView::MergeTouchingWires(int k) {
    const LineEnds self = endsOf(*this, k);
    for (int i = 0; i < m_componentCount; ++i) {
        if (!isLive(i) || !isWireLike(m_type[i])) continue;
        const LineEnds other = endsOf(*this, i);
        if (endsCoincide(self, other)) {
            const int joined = m_netNumber[i];
            if (joined != 0) {
                for (int s = 0; s < m_componentCount; ++s)
                    if (isLive(s) && isWireLike(m_type[s]) && m_netNumber[s] == joined) m_netNumber[s] = m_netNumber[k];
            }
            m_netNumber[i] = m_netNumber[k];
        }
        // A link joins a line when one of its ends lies strictly inside the line;
        // only the link itself takes the number here.
        if (m_type[i] == kTypeGrafcetLink) {
            const bool inX = self.x1 < other.x1 && other.x1 < self.x2;
            const bool inY = self.y1 < other.y1 && other.y1 < self.y2;
            if ((inX && other.y1 == self.y1) || (inX && other.y2 == self.y2) || (inY && other.x1 == self.x1) ||
                (inY && other.x2 == self.x2))
                m_netNumber[i] = m_netNumber[k];
        }
    }
}

void CVelkarionView::NumberDotsOnWire(int k) {
    const LineEnds w = endsOf(*this, k);
    for (int i = 0; i < m_componentCount; ++i) {
        if (!isLive(i) || m_type[i] != kTypeConnectionDot) continue;
        const LineEnds dot = endsOf(*this, i);
        const bool onHorizontal = within(w.x1, dot.x1, w.x2) && dot.y1 == w.y1;
        const bool onVertical = within(w.y1, dot.y1, w.y2) && dot.x1 == w.x1;
        for (bool holds : {onHorizontal, onVertical}) {
            if (!holds) continue;
            m_netNumber[i] = m_netNumber[k];
            MergeWiresAtDot(i);
        }
    }
}

void CVelkarionView::MergeWiresAtDot(int d) {
    const LineEnds dot = endsOf(*this, d);
    for (int i = 0; i < m_componentCount; ++i) {
        if (!isLive(i) || !isWireLike(m_type[i])) continue;
        const LineEnds w = endsOf(*this, i);
        const bool yWithin = w.y1 >= dot.y1 && w.y2 <= dot.y2;
        // The dot lies on the wire, its ends included.
        const bool tests[6] = {
            w.x1 == dot.x1 && dot.x1 == dot.x2 && yWithin,
            w.x2 == dot.x1 && dot.x1 == dot.x2 && yWithin,
            within(dot.x1, w.x1, dot.x2) && w.y1 == dot.y1 && dot.y1 == dot.y2,
            within(dot.x1, w.x1, dot.x2) && w.y2 == dot.y1 && dot.y1 == dot.y2,
            w.x1 <= dot.x1 && w.x2 >= dot.x2 && w.y1 == dot.y1 && w.y2 == dot.y2,
            w.y1 <= dot.y1 && w.y2 >= dot.y2 && w.x1 == dot.x1 && w.x2 == dot.x2,
        };
        bool onDot = false;
        for (bool holds : tests) onDot = onDot || holds;
        if (!onDot) continue;
        m_netNumber[i] = m_netNumber[d];
        MergeTouchingWires(d);
    }
}

void CVelkarionView::NumberBundleEntriesAtWireEnds(int k) {
    const LineEnds w = endsOf(*this, k);
    for (int i = 0; i < m_componentCount; ++i) {
        if (!isLive(i) || !isBundleEntryKind(m_type[i])) continue;
        // The entry's own point, then the far end of its slanted stroke.
        const long long strokeX = m_type[i] == kTypeBundleEntryLeft ? -3 : 3;
        const long long points[2][2] = {{m_x[i], m_y[i]}, {m_x[i] + strokeX, m_y[i] + 3LL}};
        for (const auto& p : points) {
            const long long px = p[0], py = p[1];
            const bool tests[4] = {
                px == w.x2 && px >= w.x1 && py == w.y1 && py == w.y2,
                px == w.x1 && px == w.x2 && py >= w.y1 && py == w.y2,
                px == w.x1 && px <= w.x2 && py == w.y1 && py == w.y2,
                px == w.x1 && px == w.x2 && py == w.y1 && py <= w.y2,
            };
            for (bool holds : tests)
                if (holds) m_netNumber[i] = m_netNumber[k];
        }
    }
}

void CVelkarionView::NumberBundles() {
    m_bundleCounter = 1;
    for (m_loopIndex = 0; m_loopIndex < m_componentCount; ++m_loopIndex) {
        const int i = m_loopIndex;
        if (!isLive(i) || m_type[i] != kTypeBundle) continue;
        if (m_netNumber[i] == 0) m_netNumber[i] = m_bundleCounter++;
        MergeTouchingBundles(i);
        NumberBundleEntriesOnBundle(i);
    }
}

void CVelkarionView::MergeTouchingBundles(int k) {
    const LineEnds self = endsOf(*this, k);
    for (int i = 0; i < m_componentCount; ++i) {
        if (!isLive(i) || m_type[i] != kTypeBundle) continue;
        // Only the touching bundle is renumbered, not the rest of its group.
        if (endsCoincide(self, endsOf(*this, i))) m_netNumber[i] = m_netNumber[k];
    }
}

void CVelkarionView::NumberBundleEntriesOnBundle(int k) {
    const LineEnds b = endsOf(*this, k);
    for (int i = 0; i < m_componentCount; ++i) {
        if (!isLive(i) || !isBundleEntryKind(m_type[i])) continue;
        const long long x = m_x[i], y = m_y[i];
        // On the bundle, 3 units above a horizontal one, or 3 units beside a vertical one.
        const bool tests[6] = {
            within(b.x1, x, b.x2) && y == b.y2,
            within(b.x1 - 3LL, x, b.x2 + 3LL) && y == b.y2 - 3LL,
            x == b.x1 - 3LL && within(b.y1 - 3LL, y, b.y2 - 3LL),
            x == b.x1 && within(b.y1, y, b.y2),
            x == b.x1 + 3LL && within(b.y1 - 3LL, y, b.y2 - 3LL),
            x == b.x1 - 3LL && within(b.y1, y, b.y2),
        };
        for (bool holds : tests)
            if (holds) m_bundleNumber[i] = m_netNumber[k];
    }
}

}  // namespace velk
