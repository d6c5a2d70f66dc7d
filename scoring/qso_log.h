#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "scoring/qso_record.h"

// Counts how many stored records carry each key, so that "is there one?" is a hash look-up
// that stays exact when records are removed.
class KeyCounter {
public:
    void add(const std::string& key) { ++m_counts[key]; }
    void remove(const std::string& key);
    bool contains(const std::string& key) const { return m_counts.count(key) != 0; }
    void clear() { m_counts.clear(); }

private:
    std::unordered_map<std::string, std::size_t> m_counts;
};

// The stored QSOs in the order they were stored, dupes included, with the indexes that the
// dupe test and the call check ask.
class QsoLog {
public:
    void append(const CInfo& record);
    void removeAt(std::size_t index);
    void clear();

    std::size_t size() const { return m_records.size(); }
    bool empty() const { return m_records.empty(); }
    const CInfo& operator[](std::size_t index) const { return m_records[index]; }
    std::vector<CInfo>::const_iterator begin() const { return m_records.begin(); }
    std::vector<CInfo>::const_iterator end() const { return m_records.end(); }

    bool holdsCallBandMode(std::string_view call, std::string_view band, std::string_view mode) const;
    bool holdsCallOnBand(std::string_view call, std::string_view band) const;
    bool holdsPrefixOnBand(std::string_view band, std::string_view prefix) const;

    // First stored record with these texts at the same moment.
    std::optional<std::size_t> find(const CInfo& wanted) const;

private:
    void forEachIndex(const CInfo& record, void (KeyCounter::*change)(const std::string&));

    std::vector<CInfo> m_records;
    KeyCounter m_byCallBandMode;
    KeyCounter m_byCallBand;
    KeyCounter m_byBandPrefix;
};
