// Net numbering at the start of a run: every group of wires that is electrically
// one conductor gets one number, every bundle a bundle number. A switching device
// then feeds a whole conductor at once by its number. The number column is the
// whole state: numbers are only compared for equality, a merged net keeps one of
// its numbers and the others are never used again.
#include <algorithm>
#include <array>
#include <climits>
#include <vector>

#include "model/VelkarionView.h"
#include "render/SlotLookups.h"
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

// The matching rules of the numbering, shared by the walk of the table and by the
// lookups that stand in for it.

// A link joins a line when one of its ends lies strictly inside the line.
bool linkEndInsideLine(const LineEnds& line, const LineEnds& link) {
    const bool inX = line.x1 < link.x1 && link.x1 < line.x2;
    const bool inY = line.y1 < link.y1 && link.y1 < line.y2;
    return (inX && link.y1 == line.y1) || (inX && link.y2 == line.y2) || (inY && link.x1 == line.x1) ||
           (inY && link.x2 == line.x2);
}

// Whether the dot lies on the wire seen as horizontal, and as vertical; a dot on a
// single point of both counts twice.
std::array<bool, 2> dotOnWireWays(const LineEnds& wire, const LineEnds& dot) {
    return {within(wire.x1, dot.x1, wire.x2) && dot.y1 == wire.y1,
            within(wire.y1, dot.y1, wire.y2) && dot.x1 == wire.x1};
}

// The dot lies on the wire, its ends included.
bool dotLiesOnWire(const LineEnds& dot, const LineEnds& w) {
    const bool yWithin = w.y1 >= dot.y1 && w.y2 <= dot.y2;
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
    return onDot;
}

// A bundle entry's own point, then the far end of its slanted stroke, lies on an
// end of the wire.
bool entryAtWireEnd(const CVelkarionView& v, int entry, const LineEnds& w) {
    const long long strokeX = v.m_type[entry] == kTypeBundleEntryLeft ? -3 : 3;
    const long long points[2][2] = {{v.m_x[entry], v.m_y[entry]}, {v.m_x[entry] + strokeX, v.m_y[entry] + 3LL}};
    bool at = false;
    for (const auto& p : points) {
        const long long px = p[0], py = p[1];
        const bool tests[4] = {
            px == w.x2 && px >= w.x1 && py == w.y1 && py == w.y2,
            px == w.x1 && px == w.x2 && py >= w.y1 && py == w.y2,
            px == w.x1 && px <= w.x2 && py == w.y1 && py == w.y2,
            px == w.x1 && px == w.x2 && py == w.y1 && py <= w.y2,
        };
        for (bool holds : tests) at = at || holds;
    }
    return at;
}

// The net numbers of the live wire-like slots while the numbering runs. A merge
// gives every wire of one number another number: here that is one union of two
// groups, not a walk of the table. A single wire that takes a number on its own
// leaves its group and starts a new node.
class WireNumbers {
public:
    explicit WireNumbers(int slots) : m_node(static_cast<std::size_t>(slots), -1) {}

    int get(int slot) {
        const int n = m_node[static_cast<std::size_t>(slot)];
        return n < 0 ? 0 : m_label[static_cast<std::size_t>(find(n))];
    }
    // This wire alone takes `value`.
    void set(int slot, int value) {
        if (value == 0) {
            m_node[static_cast<std::size_t>(slot)] = -1;
            return;
        }
        const int n = newNode(value);
        m_node[static_cast<std::size_t>(slot)] = n;
        int& group = groupOf(value);
        if (group < 0)
            group = n;
        else
            m_parent[static_cast<std::size_t>(n)] = find(group);
    }
    // Every wire of number `from` (not 0) takes `to`.
    void relabel(int from, int to) {
        if (from == to) return;
        int& fromGroup = groupOf(from);
        if (fromGroup < 0) return;
        const int r = find(fromGroup);
        fromGroup = -1;
        if (to == 0) {
            // Each of them is on its own now, as a wire without a number.
            m_label[static_cast<std::size_t>(r)] = 0;
            return;
        }
        int& toGroup = groupOf(to);
        if (toGroup < 0) {
            m_label[static_cast<std::size_t>(r)] = to;
            toGroup = r;
        } else {
            m_parent[static_cast<std::size_t>(r)] = find(toGroup);
        }
    }

private:
    int newNode(int value) {
        const int n = static_cast<int>(m_parent.size());
        m_parent.push_back(n);
        m_label.push_back(value);
        return n;
    }
    int find(int n) {
        int root = n;
        while (m_parent[static_cast<std::size_t>(root)] != root) root = m_parent[static_cast<std::size_t>(root)];
        while (m_parent[static_cast<std::size_t>(n)] != root) {
            const int next = m_parent[static_cast<std::size_t>(n)];
            m_parent[static_cast<std::size_t>(n)] = root;
            n = next;
        }
        return root;
    }
    int& groupOf(int value) {
        const std::size_t v = static_cast<std::size_t>(value < 0 ? 0 : value);
        if (v >= m_group.size()) m_group.resize(v + 1, -1);
        return m_group[v];
    }

    std::vector<int> m_node;    // per slot; -1 while the wire has no number
    std::vector<int> m_parent;  // per node
    std::vector<int> m_label;   // per root: the number of its group
    std::vector<int> m_group;   // per number: a node of its group, -1 for none
};

// Points of the table sorted for lookups by one coordinate and a range of the other.
struct PointSlot {
    int a, b, slot;
    bool operator<(const PointSlot& o) const {
        return a != o.a ? a < o.a : (b != o.b ? b < o.b : slot < o.slot);
    }
};

// The slots with a == `a` and `low` <= b <= `high`, appended to `out`.
void appendInRange(const std::vector<PointSlot>& sorted, int a, long long low, long long high, std::vector<int>& out) {
    if (low > high) return;
    const int lo = low < INT_MIN ? INT_MIN : static_cast<int>(low);
    auto it = std::lower_bound(sorted.begin(), sorted.end(), PointSlot{a, lo, INT_MIN});
    for (; it != sorted.end() && it->a == a && it->b <= high; ++it) out.push_back(it->slot);
}

void sortUnique(std::vector<int>& v) {
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
}

// One numbering: the steps of NumberWireNetsByScans, in the same order and with the
// same values, each finding the slots it concerns through a lookup.
class LinearNumbering {
public:
    explicit LinearNumbering(CVelkarionView& v) : m_v(v), m_end(v.m_componentCount < kSlotCount ? v.m_componentCount : kSlotCount), m_wires(m_end) {
        m_wireIndex.build(v, [](int type) { return isWireLike(type); });
        for (int i = 0; i < m_end; ++i) {
            if (!v.isLive(i)) continue;
            const int type = v.m_type[i];
            if (isWireLike(type)) {
                if (type == kTypeGrafcetLink) m_links.push_back(i);
                m_byX1.push_back({v.m_x[i], 0, i});
                m_byX2.push_back({v.m_x2[i], 0, i});
                if (v.m_y[i] == v.m_y2[i]) m_horizontalAtY.push_back({v.m_y[i], 0, i});
            } else if (type == kTypeConnectionDot) {
                m_dotsByY.push_back({v.m_y[i], v.m_x[i], i});
                m_dotsByX.push_back({v.m_x[i], v.m_y[i], i});
            } else if (isBundleEntryKind(type)) {
                m_entries.push_back(i);
            }
        }
        for (auto* list : {&m_byX1, &m_byX2, &m_horizontalAtY, &m_dotsByY, &m_dotsByX}) std::sort(list->begin(), list->end());
    }

    void run() {
        CVelkarionView& v = m_v;
        for (int i = 0; i < v.m_componentCount; ++i)
            if (v.m_deleted[i] == 0 && isNumberedKind(v.m_type[i])) v.m_netNumber[i] = 0;
        v.m_netCounter = 1;
        for (int sweep = 0; sweep < 2; ++sweep) {
            for (v.m_loopIndex = 0; v.m_loopIndex < v.m_componentCount; ++v.m_loopIndex) {
                const int i = v.m_loopIndex;
                if (!v.isLive(i)) continue;
                if (isWireLike(v.m_type[i])) {
                    if (number(i) == 0) setNumber(i, v.m_netCounter++);
                    mergeTouchingWires(i);
                    numberDotsOnWire(i);
                    numberEntriesAtWireEnds(i);
                } else if (v.m_type[i] == kTypeConnectionDot) {
                    numberDotsOnWire(i);
                }
            }
        }
        for (int i = 0; i < m_end; ++i)
            if (isLiveWire(i)) v.m_netNumber[i] = m_wires.get(i);
    }

private:
    bool isLiveWire(int i) const { return i < m_end && m_v.isLive(i) && isWireLike(m_v.m_type[i]); }
    int number(int i) { return isLiveWire(i) ? m_wires.get(i) : m_v.m_netNumber[i]; }
    void setNumber(int i, int value) {
        if (isLiveWire(i))
            m_wires.set(i, value);
        else
            m_v.m_netNumber[i] = value;
    }

    void mergeTouchingWires(int k) {
        const LineEnds self = endsOf(m_v, k);
        std::vector<int> near;
        m_wireIndex.coinciding(self, near);
        if (!m_links.empty()) {
            near.insert(near.end(), m_links.begin(), m_links.end());
            sortUnique(near);
        }
        for (int i : near) {
            const LineEnds other = endsOf(m_v, i);
            if (endsCoincide(self, other)) {
                const int joined = number(i);
                if (joined != 0) m_wires.relabel(joined, number(k));
                setNumber(i, number(k));
            }
            if (m_v.m_type[i] == kTypeGrafcetLink && linkEndInsideLine(self, other)) setNumber(i, number(k));
        }
    }

    void numberDotsOnWire(int k) {
        const LineEnds w = endsOf(m_v, k);
        std::vector<int> dots;
        appendInRange(m_dotsByY, w.y1, w.x1, w.x2, dots);
        appendInRange(m_dotsByX, w.x1, w.y1, w.y2, dots);
        sortUnique(dots);
        for (int i : dots) {
            for (bool holds : dotOnWireWays(w, endsOf(m_v, i))) {
                if (!holds) continue;
                setNumber(i, number(k));
                mergeWiresAtDot(i);
            }
        }
    }

    void mergeWiresAtDot(int d) {
        const LineEnds dot = endsOf(m_v, d);
        // Every wire on the dot has an end at its x, or is horizontal at its y.
        std::vector<int> near;
        appendInRange(m_byX1, dot.x1, 0, 0, near);
        appendInRange(m_byX2, dot.x1, 0, 0, near);
        appendInRange(m_horizontalAtY, dot.y1, 0, 0, near);
        sortUnique(near);
        for (int i : near) {
            if (!dotLiesOnWire(dot, endsOf(m_v, i))) continue;
            setNumber(i, number(d));
            mergeTouchingWires(d);
        }
    }

    void numberEntriesAtWireEnds(int k) {
        const LineEnds w = endsOf(m_v, k);
        for (int i : m_entries)
            if (entryAtWireEnd(m_v, i, w)) setNumber(i, number(k));
    }

    CVelkarionView& m_v;
    const int m_end;
    WireNumbers m_wires;
    CornerIndex m_wireIndex;
    std::vector<int> m_links, m_entries;
    std::vector<PointSlot> m_byX1, m_byX2, m_horizontalAtY, m_dotsByY, m_dotsByX;
};

}  // namespace

void CVelkarionView::NumberWireNets() { LinearNumbering(*this).run(); }

void CVelkarionView::NumberWireNetsByScans() {
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
        // Only the link itself takes the number here.
        if (m_type[i] == kTypeGrafcetLink && linkEndInsideLine(self, other)) m_netNumber[i] = m_netNumber[k];
    }
}

void CVelkarionView::NumberDotsOnWire(int k) {
    const LineEnds w = endsOf(*this, k);
    for (int i = 0; i < m_componentCount; ++i) {
        if (!isLive(i) || m_type[i] != kTypeConnectionDot) continue;
        for (bool holds : dotOnWireWays(w, endsOf(*this, i))) {
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
        if (!dotLiesOnWire(dot, endsOf(*this, i))) continue;
        m_netNumber[i] = m_netNumber[d];
        MergeTouchingWires(d);
    }
}

void CVelkarionView::NumberBundleEntriesAtWireEnds(int k) {
    const LineEnds w = endsOf(*this, k);
    for (int i = 0; i < m_componentCount; ++i) {
        if (!isLive(i) || !isBundleEntryKind(m_type[i])) continue;
        if (entryAtWireEnd(*this, i, w)) m_netNumber[i] = m_netNumber[k];
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
