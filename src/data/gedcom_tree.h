// TGedcom: the line tree of a GEDCOM file, stored flat for speed.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/array_types.h"

namespace qv {

// 24 bytes: a large file has over a million of them.
struct TGedcomNode {
    // The whole line, converted to UTF-8 once the reader has finished.
    std::string_view Line() const { return {m_text, m_size}; }
    void SetLine(std::string_view line)
    {
        m_text = line.data();
        m_size = static_cast<uint32_t>(line.size());
    }

private:
    const char* m_text = nullptr;
    uint32_t m_size = 0;

public:
    int32_t FirstChild = -1;
    int32_t NextSibling = -1;
    int8_t Level = -1;
};

// Iterates the child node indexes of one node in file order.
class GedcomChildren {
public:
    class Iterator {
    public:
        Iterator(const std::vector<TGedcomNode>* nodes, int32_t at) : m_nodes(nodes), m_at(at) {}
        int32_t operator*() const { return m_at; }
        Iterator& operator++()
        {
            m_at = (*m_nodes)[m_at].NextSibling;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return m_at != other.m_at; }

    private:
        const std::vector<TGedcomNode>* m_nodes;
        int32_t m_at;
    };

    GedcomChildren(const std::vector<TGedcomNode>* nodes, int32_t first)
        : m_nodes(nodes), m_first(first)
    {
    }
    Iterator begin() const { return {m_nodes, m_first}; }
    Iterator end() const { return {m_nodes, -1}; }

private:
    const std::vector<TGedcomNode>* m_nodes;
    int32_t m_first;
};

// Move-only: node lines view into storage the tree owns.
class TGedcom {
public:
    static constexpr int32_t kRoot = 0;

    explicit TGedcom(std::string bytes = {});
    TGedcom(TGedcom&&) = default;
    TGedcom& operator=(TGedcom&&) = default;
    TGedcom(const TGedcom&) = delete;
    TGedcom& operator=(const TGedcom&) = delete;

    const TGedcomNode& Node(int32_t index) const { return m_nodes[index]; }
    GedcomChildren Children(int32_t index) const { return {&m_nodes, m_nodes[index].FirstChild}; }
    int32_t NodeCount() const { return static_cast<int32_t>(m_nodes.size()); }

    // The value of HEAD/CHAR; empty (and not cached) when the header has none.
    std::string GetCharSet() const;

    // The raw bytes the tree was read from; lines view into them until replaced.
    std::string_view Bytes() const { return *m_bytes; }
    void Reserve(size_t nodes);
    // Appends a node as the child of parent that follows previousSibling (-1: the first).
    int32_t AddNode(int32_t parent, int32_t previousSibling, int8_t level, std::string_view line);
    void ReplaceLine(int32_t index, std::string text);

    // What the reader noticed without failing, for the user to see once.
    TArrayOfString Warnings;

private:
    std::unique_ptr<std::string> m_bytes;
    std::vector<TGedcomNode> m_nodes;
    std::deque<std::string> m_ownedLines;
    mutable std::string m_charSet;
};

}  // namespace qv
