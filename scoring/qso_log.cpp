#include "scoring/qso_log.h"

#include <initializer_list>

namespace {

// Host texts are C strings, so a NUL can never be part of one and separates the parts.
std::string joinKey(std::initializer_list<std::string_view> parts) {
    std::string key;
    for (const auto part : parts) {
        key.append(part);
        key.push_back('\0');
    }
    return key;
}

}  // namespace

void KeyCounter::remove(const std::string& key) {
    const auto it = m_counts.find(key);
    if (it != m_counts.end() && --it->second == 0) m_counts.erase(it);
}

void QsoLog::forEachIndex(const CInfo& record, void (KeyCounter::*change)(const std::string&)) {
    (m_byCallBandMode.*change)(joinKey({record.call, record.band, record.mode}));
    (m_byCallBand.*change)(joinKey({record.call, record.band}));
    (m_byBandPrefix.*change)(joinKey({record.band, record.dxccPrefix}));
}

void QsoLog::append(const CInfo& record) {
    m_records.push_back(record);
    forEachIndex(record, &KeyCounter::add);
}

void QsoLog::removeAt(std::size_t index) {
    forEachIndex(m_records[index], &KeyCounter::remove);
    m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(index));
}

void QsoLog::clear() {
    m_records.clear();
    m_byCallBandMode.clear();
    m_byCallBand.clear();
    m_byBandPrefix.clear();
}

bool QsoLog::holdsCallBandMode(std::string_view call, std::string_view band, std::string_view mode) const {
    return m_byCallBandMode.contains(joinKey({call, band, mode}));
}

bool QsoLog::holdsCallOnBand(std::string_view call, std::string_view band) const {
    return m_byCallBand.contains(joinKey({call, band}));
}

bool QsoLog::holdsPrefixOnBand(std::string_view band, std::string_view prefix) const {
    return m_byBandPrefix.contains(joinKey({band, prefix}));
}

std::optional<std::size_t> QsoLog::find(const CInfo& wanted) const {
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        const CInfo& record = m_records[i];
        if (record.call == wanted.call && record.mode == wanted.mode && record.band == wanted.band &&
            record.time.sameMoment(wanted.time)) {
            return i;
        }
    }
    return std::nullopt;
}
