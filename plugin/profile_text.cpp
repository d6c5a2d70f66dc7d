#include "plugin/profile_text.h"

#include <vector>

#include "scoring/text.h"

namespace profile_text {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// A line of the file, split where it carries a section header or a key.
struct Line {
    std::string_view whole;  // with its line end
    std::optional<std::string_view> section;
    std::optional<std::string_view> key;
    std::string_view value;
};

Line parse(std::string_view whole) {
    Line line{whole, std::nullopt, std::nullopt, {}};
    std::string_view content = whole;
    while (!content.empty() && (content.back() == '\n' || content.back() == '\r')) content.remove_suffix(1);
    content = trimmed(content);
    if (content.empty() || content.front() == ';') return line;
    if (content.front() == '[') {
        const auto close = content.find(']');
        line.section = trimmed(content.substr(1, close == std::string_view::npos ? close : close - 1));
        return line;
    }
    const auto equals = content.find('=');
    if (equals == std::string_view::npos) return line;
    line.key = trimmed(content.substr(0, equals));
    line.value = trimmed(content.substr(equals + 1));
    return line;
}

std::vector<Line> parseLines(std::string_view text) {
    std::vector<Line> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const auto length = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(parse(text.substr(0, length)));
        text.remove_prefix(length);
    }
    return lines;
}

std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string keyLine(std::string_view key, std::string_view value) {
    return std::string(key).append("=").append(value).append(kLineEnd);
}

bool endsWithLineEnd(const std::string& text) { return text.empty() || text.back() == '\n'; }

}  // namespace

std::optional<std::string> lookUp(std::string_view text, std::string_view section, std::string_view key) {
    bool inSection = false;
    for (const Line& line : parseLines(text)) {
        if (line.section) {
            if (inSection) return std::nullopt;  // only the first section of that name counts
            inSection = equalsIgnoringCase(*line.section, section);
        } else if (inSection && line.key && equalsIgnoringCase(*line.key, key)) {
            return std::string(unquoted(line.value));
        }
    }
    return std::nullopt;
}

std::string withValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value) {
    const std::vector<Line> lines = parseLines(text);
    std::optional<std::size_t> sectionStart, insertAfter, existingKey;
    for (std::size_t i = 0; i < lines.size() && !existingKey; ++i) {
        const Line& line = lines[i];
        if (line.section) {
            if (sectionStart) break;
            if (equalsIgnoringCase(*line.section, section)) sectionStart = insertAfter = i;
        } else if (sectionStart && line.key) {
            insertAfter = i;
            if (equalsIgnoringCase(*line.key, key)) existingKey = i;
        }
    }

    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (existingKey == i) {
            out += keyLine(*lines[i].key, value);
            continue;
        }
        out += lines[i].whole;
        if (!existingKey && insertAfter == i) {
            if (!endsWithLineEnd(out)) out += kLineEnd;
            out += keyLine(key, value);
        }
    }
    if (!sectionStart) {
        if (!endsWithLineEnd(out)) out += kLineEnd;
        out.append("[").append(section).append("]").append(kLineEnd).append(keyLine(key, value));
    }
    return out;
}

}  // namespace profile_text
