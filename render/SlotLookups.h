#pragma once
// Lookups over the slot table for one simulating paint. Terminals, poles, coils
// and the wire pass would otherwise each walk the whole table for the few slots
// that concern them, and a tick visits every slot many times over. Nothing a
// lookup depends on changes during a paint (positions, kinds, deletion, labels,
// net numbers), so the paint builds them once, in one pass over the table, and
// drops them when it ends; outside a paint the routines walk the table.
//
// Every lookup gives its slots in ascending slot order, the order of the walk it
// replaces, so reads and writes happen in the same order as before.
#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "render/Wires.h"

namespace velk {

class CVelkarionView;

// Line items of some kinds by the corners of their ends, in drawing units: the
// first end (x1, y1), the second (x2, y2) and the mixed corners (x1, y2) and
// (x2, y1), which the coincidence tests also compare.
class CornerIndex {
public:
    enum Corner : unsigned { kFirst = 1, kSecond = 2, kFirstXSecondY = 4, kSecondXFirstY = 8 };
    static constexpr unsigned kEnds = kFirst | kSecond;

    // The live slots of the table whose type passes `kind`.
    void build(const CVelkarionView& v, bool (*kind)(int type));
    // The slots with one of the corners in `corners` at (x, y), ascending, each once.
    template <typename Visit>
    void forEachAt(int x, int y, unsigned corners, Visit visit) const {
        const auto [first, last] = range(x, y);
        for (auto e = first; e != last; ++e)
            if (e->corners & corners) visit(e->slot);
    }
    // The last slot with one of the corners at (x, y), -1 for none.
    int lastAt(int x, int y, unsigned corners) const;
    // The first slot after `after` with one of the corners at (x, y), -1 for none.
    int nextAt(int x, int y, unsigned corners, int after) const;
    // The slots whose ends coincide with `self` by the coincidence tests of the
    // wire pass (render/Wires.h), ascending, each once.
    void coinciding(const LineEnds& self, std::vector<int>& out) const;

private:
    struct Entry {
        std::uint64_t key;
        int slot;
        unsigned corners;
    };
    using Iter = std::vector<Entry>::const_iterator;
    std::pair<Iter, Iter> range(int x, int y) const;
    std::vector<Entry> m_entries;
    // Each point's run of entries, [first, last): terminals ask for points many
    // times per paint, so the run is found by hashing, not by searching.
    std::unordered_map<std::uint64_t, std::pair<int, int>> m_runs;
};

// Slots by a number: net numbers, labels.
class SlotsByNet {
public:
    // Wire-like slots and connection dots by their net number.
    void build(const CVelkarionView& v);
    template <typename Visit>
    void forEach(int net, Visit visit) const {
        forEachUntil(net, [&visit](int slot) {
            visit(slot);
            return true;
        });
    }
    // The same until a visit gives false; false then.
    template <typename Visit>
    bool forEachUntil(int net, Visit visit) const {
        const auto [first, last] = std::equal_range(m_entries.begin(), m_entries.end(), std::make_pair(net, -1),
                                                    [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto e = first; e != last; ++e)
            if (!visit(e->second)) return false;
        return true;
    }

private:
    std::vector<std::pair<int, int>> m_entries;  // (net, slot), sorted
};

class SlotsByLabel {
public:
    // Every live slot by its label.
    void build(const CVelkarionView& v);
    template <typename Visit>
    void forEach(const std::string& label, Visit visit) const {
        forEachUntil(label, [&visit](int slot) {
            visit(slot);
            return true;
        });
    }
    // The same until a visit gives false; false then.
    template <typename Visit>
    bool forEachUntil(const std::string& label, Visit visit) const {
        const auto [first, last] = std::equal_range(
            m_entries.begin(), m_entries.end(), Entry{&label, -1},
            [](const Entry& a, const Entry& b) { return *a.label < *b.label; });
        for (auto e = first; e != last; ++e)
            if (!visit(e->slot)) return false;
        return true;
    }

private:
    struct Entry {
        const std::string* label;
        int slot;
    };
    std::vector<Entry> m_entries;  // sorted by label, then slot
};

struct SlotLookups {
    CornerIndex terminalWires;  // the wires a terminal finds, by their ends
    CornerIndex wireLike;       // wires and chart lines, by their corners
    SlotsByNet nets;
    SlotsByLabel labels;
    // Scratch for merging slot lists, reused from call to call.
    mutable std::vector<int> scratch;

    void build(const CVelkarionView& v);
    // True while the table still holds what the lookups were built from: the
    // count, and each slot's life, type, end points, net number and label.
    bool builtFrom(const CVelkarionView& v) const;

    // The live wire-like slots whose ends coincide with those of wire-like slot
    // `slot` (itself included), ascending: what the wire pass pulls letters from.
    std::pair<const int*, const int*> touching(int slot) const {
        if (slot < 0 || slot + 1 >= static_cast<int>(m_touchFirst.size())) return {nullptr, nullptr};
        const int* base = m_touchSlots.data();
        return {base + m_touchFirst[static_cast<std::size_t>(slot)],
                base + m_touchFirst[static_cast<std::size_t>(slot) + 1]};
    }

private:
    struct Input {
        bool live;
        int type;
        int x;
        int y;
        int x2;
        int y2;
        int net;
        bool operator==(const Input& o) const {
            return live == o.live && type == o.type && x == o.x && y == o.y && x2 == o.x2 && y2 == o.y2 &&
                   net == o.net;
        }
    };
    static Input inputOf(const CVelkarionView& v, int j);
    std::vector<Input> m_input;
    std::vector<std::string> m_inputLabels;
    std::vector<int> m_touchFirst;  // per slot, where its list starts in m_touchSlots
    std::vector<int> m_touchSlots;
};

}  // namespace velk
