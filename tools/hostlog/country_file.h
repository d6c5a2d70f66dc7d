#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tools/hostlog/prefix_trie.h"

namespace hostlog {

struct Entity {
    std::string prefix;     // main prefix of the entity, without the WAE '*'
    std::string continent;  // "AF", "AN", "AS", "EU", "NA", "OC" or "SA"
    int cqZone = 0;
    std::string name;
};

// A cty.dat country file, parsed once into lookup tables so that resolving
// a call costs a walk down a trie and a hash look-up or two.
class CountryFile {
public:
    // Tolerant: lines that cannot be read are skipped.
    static CountryFile parse(std::string_view text);

    // Entity of the call, portable designators included; nullopt when no
    // prefix matches or the station is maritime or aeronautical mobile.
    std::optional<Entity> resolve(std::string_view call) const;

    std::size_t entityCount() const;

private:
    // An alias may narrow its entity's zone or continent.
    struct Alias {
        std::uint32_t entityIndex = 0;
        int cqZone = 0;         // 0 keeps the entity's zone
        std::string continent;  // empty keeps the entity's continent
    };

    void addAliases(std::string_view aliasList, std::uint32_t entityIndex, const std::vector<bool>& isWae);
    void addPrefix(const std::string& prefix, Alias alias, const std::vector<bool>& isWae);
    void addExactCall(std::string call, Alias alias, const std::vector<bool>& isWae);
    static bool outranks(const Alias& candidate, const Alias& existing, const std::vector<bool>& isWae);

    const Alias* findExactCall(const std::string& call) const;
    std::string_view chooseLocationPiece(const std::vector<std::string_view>& pieces) const;
    std::optional<Entity> resolveByLongestPrefix(std::string_view piece) const;
    Entity entityFor(const Alias& alias) const;

    std::vector<Entity> m_entities;
    std::vector<Alias> m_prefixAliases;
    PrefixTrie m_prefixes;  // values index m_prefixAliases
    std::unordered_map<std::string, Alias> m_exactCalls;
};

}  // namespace hostlog
