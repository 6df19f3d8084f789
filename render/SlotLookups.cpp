// The lookups of one simulating paint (see SlotLookups.h).
#include "render/SlotLookups.h"

#include "model/VelkarionView.h"
#include "render/Terminals.h"

namespace velk {

namespace {

constexpr std::uint64_t pointKey(int x, int y) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32) | static_cast<std::uint32_t>(y);
}

// The slots the paint walks: below the count and inside the table.
int tableEnd(const CVelkarionView& v) { return v.m_componentCount < kSlotCount ? v.m_componentCount : kSlotCount; }

bool isWireOrDot(int type) { return isWireLike(type) || type == kTypeConnectionDot; }

}  // namespace

void CornerIndex::build(const CVelkarionView& v, bool (*kind)(int type)) {
    m_entries.clear();
    const int end = tableEnd(v);
    for (int j = 0; j < end; ++j) {
        if (!v.isLive(j) || !kind(v.m_type[j])) continue;
        const int x1 = v.m_x[j], y1 = v.m_y[j], x2 = v.m_x2[j], y2 = v.m_y2[j];
        const std::pair<std::uint64_t, unsigned> corners[4] = {
            {pointKey(x1, y1), kFirst},
            {pointKey(x2, y2), kSecond},
            {pointKey(x1, y2), kFirstXSecondY},
            {pointKey(x2, y1), kSecondXFirstY},
        };
        // One entry per distinct point, with every corner that lies there.
        for (int c = 0; c < 4; ++c) {
            bool seen = false;
            for (int d = 0; d < c; ++d) seen = seen || corners[d].first == corners[c].first;
            if (seen) continue;
            unsigned mask = 0;
            for (int d = c; d < 4; ++d)
                if (corners[d].first == corners[c].first) mask |= corners[d].second;
            m_entries.push_back({corners[c].first, j, mask});
        }
    }
    std::sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
        return a.key != b.key ? a.key < b.key : a.slot < b.slot;
    });
    m_runs.clear();
    m_runs.reserve(m_entries.size());
    for (std::size_t i = 0; i < m_entries.size();) {
        std::size_t k = i + 1;
        while (k < m_entries.size() && m_entries[k].key == m_entries[i].key) ++k;
        m_runs.emplace(m_entries[i].key, std::make_pair(static_cast<int>(i), static_cast<int>(k)));
        i = k;
    }
}

std::pair<CornerIndex::Iter, CornerIndex::Iter> CornerIndex::range(int x, int y) const {
    const auto run = m_runs.find(pointKey(x, y));
    if (run == m_runs.end()) return {m_entries.end(), m_entries.end()};
    return {m_entries.begin() + run->second.first, m_entries.begin() + run->second.second};
}

int CornerIndex::lastAt(int x, int y, unsigned corners) const {
    const auto [first, last] = range(x, y);
    for (auto e = last; e != first;) {
        --e;
        if (e->corners & corners) return e->slot;
    }
    return -1;
}

int CornerIndex::nextAt(int x, int y, unsigned corners, int after) const {
    const auto [first, last] = range(x, y);
    for (auto e = first; e != last; ++e)
        if (e->slot > after && (e->corners & corners)) return e->slot;
    return -1;
}

void CornerIndex::coinciding(const LineEnds& self, std::vector<int>& out) const {
    out.clear();
    const auto add = [&out](int slot) { out.push_back(slot); };
    // Each of this item's corners against the corners of the other that the
    // coincidence tests compare it with.
    forEachAt(self.x1, self.y1, kFirst | kSecondXFirstY | kFirstXSecondY, add);
    forEachAt(self.x2, self.y2, kSecond, add);
    forEachAt(self.x1, self.y2, kFirstXSecondY | kFirst, add);
    forEachAt(self.x2, self.y1, kSecondXFirstY | kFirst, add);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

void SlotsByNet::build(const CVelkarionView& v) {
    m_entries.clear();
    const int end = tableEnd(v);
    for (int j = 0; j < end; ++j)
        if (v.isLive(j) && isWireOrDot(v.m_type[j])) m_entries.emplace_back(v.m_netNumber[j], j);
    std::sort(m_entries.begin(), m_entries.end());
}

void SlotsByLabel::build(const CVelkarionView& v) {
    m_entries.clear();
    const int end = tableEnd(v);
    for (int j = 0; j < end; ++j)
        if (v.isLive(j)) m_entries.push_back({&v.m_label[j], j});
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const Entry& a, const Entry& b) { return *a.label < *b.label; });
}

SlotLookups::Input SlotLookups::inputOf(const CVelkarionView& v, int j) {
    return {v.isLive(j), v.m_type[j], v.m_x[j], v.m_y[j], v.m_x2[j], v.m_y2[j], v.m_netNumber[j]};
}

bool SlotLookups::builtFrom(const CVelkarionView& v) const {
    const int end = tableEnd(v);
    if (static_cast<std::size_t>(end) != m_input.size()) return false;
    for (int j = 0; j < end; ++j) {
        const auto k = static_cast<std::size_t>(j);
        if (!(inputOf(v, j) == m_input[k]) || v.m_label[j] != m_inputLabels[k]) return false;
    }
    return true;
}

void SlotLookups::build(const CVelkarionView& v) {
    m_input.clear();
    m_inputLabels.clear();
    for (int j = 0; j < tableEnd(v); ++j) {
        m_input.push_back(inputOf(v, j));
        m_inputLabels.push_back(v.m_label[j]);
    }
    terminalWires.build(v, [](int type) { return isTerminalWire(type); });
    wireLike.build(v, [](int type) { return isWireLike(type); });
    nets.build(v);
    labels.build(v);
    const int end = tableEnd(v);
    m_touchFirst.assign(static_cast<std::size_t>(end) + 1, 0);
    m_touchSlots.clear();
    for (int j = 0; j < end; ++j) {
        m_touchFirst[static_cast<std::size_t>(j)] = static_cast<int>(m_touchSlots.size());
        if (!v.isLive(j) || !isWireLike(v.m_type[j])) continue;
        wireLike.coinciding(lineEndsOf(v, j), scratch);
        m_touchSlots.insert(m_touchSlots.end(), scratch.begin(), scratch.end());
    }
    m_touchFirst[static_cast<std::size_t>(end)] = static_cast<int>(m_touchSlots.size());
}

}  // namespace velk
