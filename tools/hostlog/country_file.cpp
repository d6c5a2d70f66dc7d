#include "tools/hostlog/country_file.h"

#include <algorithm>
#include <array>
#include <utility>

#include "tools/hostlog/numbers.h"
#include "tools/hostlog/text.h"

namespace hostlog {

namespace {

constexpr int highestCqZone = 40;

struct EntityHeader {
    Entity entity;
    bool wae = false;
};

struct ParsedAlias {
    bool exactCall = false;
    std::string key;
    int cqZone = 0;
    std::string continent;
};

std::optional<int> parseCqZone(std::string_view text) {
    const auto zone = parseUnsigned(trim(text));
    if (!zone || *zone < 1 || *zone > highestCqZone) return std::nullopt;
    return static_cast<int>(*zone);
}

bool isContinent(std::string_view text) {
    constexpr std::array<std::string_view, 7> continents{"AF", "AN", "AS", "EU", "NA", "OC", "SA"};
    return std::find(continents.begin(), continents.end(), text) != continents.end();
}

bool isCallCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/';
}

// "Name: CQ: ITU: Cont: Lat: Long: GMT: Prefix:"
std::optional<EntityHeader> parseEntityHeader(std::string_view line) {
    constexpr std::size_t fieldCount = 8;
    std::array<std::string_view, fieldCount> fields;
    for (std::string_view& field : fields) {
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) return std::nullopt;
        field = trim(line.substr(0, colon));
        line.remove_prefix(colon + 1);
    }
    const auto cqZone = parseCqZone(fields[1]);
    std::string_view prefix = fields[7];
    // A leading '*' marks an entity of the WAE or another non-DXCC list.
    const bool wae = !prefix.empty() && prefix.front() == '*';
    if (wae) prefix.remove_prefix(1);
    if (fields[0].empty() || !cqZone || !isContinent(fields[3]) || prefix.empty()) return std::nullopt;
    return EntityHeader{Entity{std::string(prefix), std::string(fields[3]), *cqZone, std::string(fields[0])}, wae};
}

char closingBracketOf(char opening) {
    switch (opening) {
    case '(': return ')';
    case '[': return ']';
    case '<': return '>';
    case '{': return '}';
    case '~': return '~';
    default: return '\0';
    }
}

// "=N2NL/MM(7)", "AA0(4)[7]", "UA9F{EU}": an optional '=' for an exact call,
// the prefix or call, then overrides in brackets of which only the CQ zone
// and the continent matter here.
std::optional<ParsedAlias> parseAlias(std::string_view text) {
    ParsedAlias alias;
    alias.exactCall = !text.empty() && text.front() == '=';
    if (alias.exactCall) text.remove_prefix(1);
    const std::size_t overridesStart = std::min(text.find_first_of("([<{~"), text.size());
    alias.key = toUpperAscii(text.substr(0, overridesStart));
    if (alias.key.empty() || !std::all_of(alias.key.begin(), alias.key.end(), isCallCharacter)) return std::nullopt;

    std::string_view overrides = text.substr(overridesStart);
    while (!overrides.empty()) {
        const char closing = closingBracketOf(overrides.front());
        const std::size_t end = closing == '\0' ? std::string_view::npos : overrides.find(closing, 1);
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view content = overrides.substr(1, end - 1);
        if (overrides.front() == '(') {
            const auto zone = parseCqZone(content);
            if (!zone) return std::nullopt;
            alias.cqZone = *zone;
        } else if (overrides.front() == '{') {
            if (!isContinent(content)) return std::nullopt;
            alias.continent = content;
        }
        overrides.remove_prefix(end + 1);
    }
    return alias;
}

// Suffixes that leave the station in its home entity: portable, mobile, low
// power, the /A and /B of some licences, and a call area digit.
bool keepsHomeEntity(std::string_view suffix) {
    constexpr std::array<std::string_view, 5> designators{"P", "M", "QRP", "A", "B"};
    if (suffix.size() == 1 && suffix.front() >= '0' && suffix.front() <= '9') return true;
    return std::find(designators.begin(), designators.end(), suffix) != designators.end();
}

// Maritime and aeronautical mobile stations are in no entity.
bool isOutsideEveryEntity(std::string_view suffix) {
    return suffix == "MM" || suffix == "AM";
}

std::vector<std::string_view> splitOnSlashes(std::string_view call) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (start <= call.size()) {
        const std::size_t end = std::min(call.find('/', start), call.size());
        if (end > start) pieces.push_back(call.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

}  // namespace

CountryFile CountryFile::parse(std::string_view text) {
    CountryFile file;
    std::vector<bool> isWae;
    bool readingAliases = false;
    LineCursor lines(text);
    std::string_view line;
    while (lines.next(line)) {
        const std::string_view content = trim(line);
        // Alias lines never hold a colon, so a colon starts the next entity
        // even when the previous one lacks its closing ';'.
        if (content.find(':') != std::string_view::npos) {
            auto header = parseEntityHeader(content);
            readingAliases = header.has_value();
            if (header) {
                file.m_entities.push_back(std::move(header->entity));
                isWae.push_back(header->wae);
            }
            continue;
        }
        const std::size_t end = content.find(';');
        if (readingAliases) {
            file.addAliases(content.substr(0, end), static_cast<std::uint32_t>(file.m_entities.size() - 1), isWae);
        }
        if (end != std::string_view::npos) readingAliases = false;
    }
    return file;
}

void CountryFile::addAliases(std::string_view aliasList, std::uint32_t entityIndex, const std::vector<bool>& isWae) {
    while (!aliasList.empty()) {
        const std::size_t comma = std::min(aliasList.find(','), aliasList.size());
        const auto parsed = parseAlias(trim(aliasList.substr(0, comma)));
        aliasList.remove_prefix(std::min(comma + 1, aliasList.size()));
        if (!parsed) continue;
        Alias alias{entityIndex, parsed->cqZone, parsed->continent};
        if (parsed->exactCall) {
            addExactCall(parsed->key, std::move(alias), isWae);
        } else {
            addPrefix(parsed->key, std::move(alias), isWae);
        }
    }
}

void CountryFile::addPrefix(const std::string& prefix, Alias alias, const std::vector<bool>& isWae) {
    if (const auto existing = m_prefixes.find(prefix)) {
        if (outranks(alias, m_prefixAliases[*existing], isWae)) m_prefixAliases[*existing] = std::move(alias);
        return;
    }
    if (m_prefixes.insert(prefix, static_cast<std::uint32_t>(m_prefixAliases.size()))) {
        m_prefixAliases.push_back(std::move(alias));
    }
}

void CountryFile::addExactCall(std::string call, Alias alias, const std::vector<bool>& isWae) {
    const auto [existing, inserted] = m_exactCalls.try_emplace(std::move(call), alias);
    if (!inserted && outranks(alias, existing->second, isWae)) existing->second = std::move(alias);
}

// The file repeats the calls of a WAE entity under its DXCC parent for
// loggers that drop WAE entities; this one keeps them, so the WAE entity wins
// whichever comes first. Otherwise the first entry stands.
bool CountryFile::outranks(const Alias& candidate, const Alias& existing, const std::vector<bool>& isWae) {
    return isWae[candidate.entityIndex] && !isWae[existing.entityIndex];
}

std::optional<Entity> CountryFile::resolve(std::string_view call) const {
    const std::string normalized = toUpperAscii(trim(call));
    if (normalized.empty()) return std::nullopt;
    if (const Alias* alias = findExactCall(normalized)) return entityFor(*alias);
    if (normalized.find('/') == std::string::npos) return resolveByLongestPrefix(normalized);

    std::vector<std::string_view> pieces = splitOnSlashes(normalized);
    if (pieces.empty()) return std::nullopt;
    while (pieces.size() > 1) {
        if (isOutsideEveryEntity(pieces.back())) return std::nullopt;
        if (!keepsHomeEntity(pieces.back())) break;
        pieces.pop_back();
    }
    // Pieces are only dropped from the end, so what is left is a head of
    // the call; it may be listed as an exact call of its own.
    const std::string_view& last = pieces.back();
    const auto keptLength = static_cast<std::size_t>(last.data() + last.size() - normalized.data());
    if (keptLength < normalized.size()) {
        if (const Alias* alias = findExactCall(normalized.substr(0, keptLength))) return entityFor(*alias);
    }
    const std::string_view location = chooseLocationPiece(pieces);
    if (auto entity = resolveByLongestPrefix(location)) return entity;
    // An unknown suffix such as /C or /X names no place; the home call,
    // normally the longest piece, decides.
    const auto longest = std::max_element(pieces.begin(), pieces.end(),
                                          [](auto a, auto b) { return a.size() < b.size(); });
    return resolveByLongestPrefix(*longest);
}

std::size_t CountryFile::entityCount() const {
    return m_entities.size();
}

const CountryFile::Alias* CountryFile::findExactCall(const std::string& call) const {
    const auto found = m_exactCalls.find(call);
    return found == m_exactCalls.end() ? nullptr : &found->second;
}

// The piece that names the location: one that is itself a listed prefix
// (DL in K1ABC/DL), else the shortest (VE3 in K1ABC/VE3). On a tie the first
// wins, since the location is normally written in front.
std::string_view CountryFile::chooseLocationPiece(const std::vector<std::string_view>& pieces) const {
    std::string_view chosen = pieces.front();
    bool chosenIsPrefix = m_prefixes.find(chosen).has_value();
    for (std::string_view piece : pieces) {
        const bool isPrefix = m_prefixes.find(piece).has_value();
        if ((isPrefix && !chosenIsPrefix) || (isPrefix == chosenIsPrefix && piece.size() < chosen.size())) {
            chosen = piece;
            chosenIsPrefix = isPrefix;
        }
    }
    return chosen;
}

std::optional<Entity> CountryFile::resolveByLongestPrefix(std::string_view piece) const {
    const auto aliasIndex = m_prefixes.findLongestPrefixOf(piece);
    if (!aliasIndex) return std::nullopt;
    return entityFor(m_prefixAliases[*aliasIndex]);
}

Entity CountryFile::entityFor(const Alias& alias) const {
    Entity entity = m_entities[alias.entityIndex];
    if (alias.cqZone != 0) entity.cqZone = alias.cqZone;
    if (!alias.continent.empty()) entity.continent = alias.continent;
    return entity;
}

}  // namespace hostlog
