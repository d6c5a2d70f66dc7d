#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// A list of texts that defines the contest (its bands or its modes).
class CContestRules {
public:
    template <std::size_t N>
    explicit CContestRules(const std::array<const char*, N>& texts) : m_texts(texts.begin(), texts.end()) {}

    // Membership ignores letter case.
    bool contains(std::string_view text) const;
    const std::vector<std::string>& texts() const { return m_texts; }

private:
    std::vector<std::string> m_texts;
};

inline constexpr int kBandCount = 6;
inline constexpr std::array<const char*, kBandCount> kContestBandNames = {"160m", "80m", "40m",
                                                                          "20m",  "15m", "10m"};
inline constexpr std::array<const char*, 1> kContestModeNames = {"CW"};

const CContestRules& contestBands();
const CContestRules& contestModes();

// Position of a band text in the contest band list by exact comparison; -1 when absent.
int bandIndexOf(std::string_view band);
