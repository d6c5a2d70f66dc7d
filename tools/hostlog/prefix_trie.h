#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace hostlog {

// Prefixes of calls, each with a value. The longest listed prefix of a call
// is found by walking the call one character, and so one node, at a time,
// which beats hashing every head of the call.
class PrefixTrie {
public:
    PrefixTrie();

    // Stores or replaces the key's value; false when the key holds a
    // character that calls never do.
    bool insert(std::string_view key, std::uint32_t value);

    std::optional<std::uint32_t> find(std::string_view key) const;

    // Value of the longest key that the text starts with.
    std::optional<std::uint32_t> findLongestPrefixOf(std::string_view text) const;

private:
    // A-Z, 0-9 and '/'.
    static constexpr std::size_t alphabetSize = 37;

    struct Node {
        std::array<std::uint32_t, alphabetSize> children{};  // 0: none, as the root is no one's child
        std::optional<std::uint32_t> value;
    };

    static std::optional<std::size_t> indexOf(char c);

    std::vector<Node> m_nodes;
};

}  // namespace hostlog
