#include "tools/hostlog/prefix_trie.h"

namespace hostlog {

PrefixTrie::PrefixTrie() : m_nodes(1) {}

std::optional<std::size_t> PrefixTrie::indexOf(char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<std::size_t>(c - 'A');
    if (c >= '0' && c <= '9') return static_cast<std::size_t>(c - '0' + 26);
    if (c == '/') return alphabetSize - 1;
    return std::nullopt;
}

bool PrefixTrie::insert(std::string_view key, std::uint32_t value) {
    std::size_t node = 0;
    for (char c : key) {
        const auto index = indexOf(c);
        if (!index) return false;
        if (m_nodes[node].children[*index] == 0) {
            m_nodes[node].children[*index] = static_cast<std::uint32_t>(m_nodes.size());
            m_nodes.emplace_back();
        }
        node = m_nodes[node].children[*index];
    }
    m_nodes[node].value = value;
    return true;
}

std::optional<std::uint32_t> PrefixTrie::find(std::string_view key) const {
    std::size_t node = 0;
    for (char c : key) {
        const auto index = indexOf(c);
        if (!index || m_nodes[node].children[*index] == 0) return std::nullopt;
        node = m_nodes[node].children[*index];
    }
    return m_nodes[node].value;
}

std::optional<std::uint32_t> PrefixTrie::findLongestPrefixOf(std::string_view text) const {
    std::optional<std::uint32_t> longest;
    std::size_t node = 0;
    for (char c : text) {
        const auto index = indexOf(c);
        if (!index || m_nodes[node].children[*index] == 0) break;
        node = m_nodes[node].children[*index];
        if (m_nodes[node].value) longest = m_nodes[node].value;
    }
    return longest;
}

}  // namespace hostlog
