#pragma once
// Fixed-size columns of the slot table. Every index is checked: a read outside
// the column gives the rest value, a write outside it lands in a scratch entry
// that nothing reads, so no slot index or terminal number can reach past a column.
#include <array>
#include <cstring>
#include <string>

namespace velk {

template <typename T, int N>
class CheckedArray {
public:
    CheckedArray() : m_items{} {}
    static constexpr int size() { return N; }
    T& operator[](int i) {
        if (i >= 0 && i < N) return m_items[static_cast<std::size_t>(i)];
        m_scratch = T{};
        return m_scratch;
    }
    const T& operator[](int i) const {
        if (i >= 0 && i < N) return m_items[static_cast<std::size_t>(i)];
        static const T rest{};
        return rest;
    }
    void fill(const T& v) { m_items.fill(v); }
    T* begin() { return m_items.data(); }
    T* end() { return m_items.data() + N; }
    const T* begin() const { return m_items.data(); }
    const T* end() const { return m_items.data() + N; }

private:
    std::array<T, N> m_items;
    T m_scratch{};
};

// A short run of potential letters ("0" at rest). Only the first letter is used
// by the program; the rest of the run is kept for the file-era width.
template <int N>
class Letters {
public:
    Letters() { clear(); }
    void clear() {
        std::memset(m_chars, 0, sizeof m_chars);
        m_chars[0] = '0';
    }
    char& operator[](int i) {
        if (i >= 0 && i < N) return m_chars[i];
        m_scratch = 0;
        return m_scratch;
    }
    char operator[](int i) const { return (i >= 0 && i < N) ? m_chars[i] : '\0'; }
    char letter() const { return m_chars[0]; }
    void setLetter(char c) { m_chars[0] = c; }
    bool operator==(char c) const { return m_chars[0] == c; }
    bool operator!=(char c) const { return m_chars[0] != c; }

private:
    char m_chars[N + 1];
    char m_scratch = 0;
};

constexpr int kSlotCount = 1000;
constexpr int kTerminalCount = 9;

template <typename T>
using SlotColumn = CheckedArray<T, kSlotCount>;
template <typename T>
using TerminalRow = CheckedArray<T, kTerminalCount>;

// One entry of a per-terminal column seen as a column of its own
// (m_netNumber is entry 0 of m_terminalLink, and so on).
template <typename T>
class AliasColumn {
public:
    AliasColumn(SlotColumn<TerminalRow<T>>& column, int entry) : m_column(&column), m_entry(entry) {}
    T& operator[](int slot) { return (*m_column)[slot][m_entry]; }
    const T& operator[](int slot) const { return (*static_cast<const SlotColumn<TerminalRow<T>>*>(m_column))[slot][m_entry]; }

private:
    SlotColumn<TerminalRow<T>>* m_column;
    int m_entry;
};

}  // namespace velk
