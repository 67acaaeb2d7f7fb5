#include "ini/IniStore.h"

#include "base/NumberText.h"

#include <algorithm>
#include <cstddef>
#include <limits>

#include "ini/IniText.h"

namespace plv7 {
namespace {

// Longer values are written over several "<tag> LineNNNN" items of this many characters.
constexpr std::size_t kMaxValueLineLength = 80;
constexpr std::string_view kLineTagInfix = " Line";
constexpr int kLineNumberDigits = 4;

std::string lineTag(std::string_view tag, int number) {
    std::string digits = std::to_string(number);
    if (digits.size() < static_cast<std::size_t>(kLineNumberDigits)) {
        digits.insert(0, kLineNumberDigits - digits.size(), '0');
    }
    std::string result(tag);
    result += kLineTagInfix;
    result += digits;
    return result;
}

std::string quoted(std::string_view text) {
    std::string result;
    result.reserve(text.size() + 2);
    result += '"';
    result += text;
    result += '"';
    return result;
}

bool isLineSuffix(std::string_view rest) {
    if (rest.size() < kLineTagInfix.size() + kLineNumberDigits) return false;
    if (rest.substr(0, kLineTagInfix.size()) != kLineTagInfix) return false;
    rest.remove_prefix(kLineTagInfix.size());
    return std::all_of(rest.begin(), rest.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool IniStore::CaseInsensitiveLess::operator()(std::string_view a, std::string_view b) const {
    return ini::compareIgnoringCase(a, b) < 0;
}

void IniStore::clear() {
    sections_.clear();
}

bool IniStore::hasSection(std::string_view section) const {
    return sections_.find(section) != sections_.end();
}

IniStore::Section& IniStore::sectionFor(std::string_view section) {
    auto found = sections_.find(section);
    if (found == sections_.end()) {
        found = sections_.emplace(std::string(section), Section{}).first;
    }
    return found->second;
}

void IniStore::replaceItem(std::string_view section, std::string_view tag,
                           std::vector<std::pair<std::string, std::string>> items) {
    Section& items_of_section = sectionFor(section);
    items_of_section.erase(std::string(tag));
    // A value that was split before must not leave its continuation lines behind.
    std::string prefix(tag);
    prefix += kLineTagInfix;
    auto it = items_of_section.lower_bound(prefix);
    while (it != items_of_section.end() && ini::startsWithIgnoringCase(it->first, prefix)) {
        if (isLineSuffix(std::string_view(it->first).substr(tag.size()))) {
            it = items_of_section.erase(it);
        } else {
            ++it;
        }
    }
    for (auto& [item_tag, raw] : items) {
        items_of_section.insert_or_assign(std::move(item_tag), std::move(raw));
    }
}

void IniStore::putInt(std::string_view section, std::string_view tag, long value) {
    replaceItem(section, tag, {{std::string(tag), std::to_string(value)}});
}

void IniStore::putDouble(std::string_view section, std::string_view tag, double value) {
    replaceItem(section, tag, {{std::string(tag), ini::formatDouble(value)}});
}

void IniStore::putString(std::string_view section, std::string_view tag, std::string_view value) {
    std::string text = ini::withoutLineBreaks(value);
    std::vector<std::pair<std::string, std::string>> items;
    if (text.size() <= kMaxValueLineLength) {
        items.emplace_back(std::string(tag), quoted(text));
    } else {
        int number = 1;
        for (std::size_t start = 0; start < text.size(); start += kMaxValueLineLength) {
            items.emplace_back(lineTag(tag, number++),
                               quoted(std::string_view(text).substr(start, kMaxValueLineLength)));
        }
    }
    replaceItem(section, tag, std::move(items));
}

const std::string* IniStore::rawValue(std::string_view section, std::string_view tag) const {
    const auto found_section = sections_.find(section);
    if (found_section == sections_.end()) return nullptr;
    const auto found_item = found_section->second.find(tag);
    if (found_item == found_section->second.end()) return nullptr;
    return &found_item->second;
}

std::optional<long> IniStore::getInt(std::string_view section, std::string_view tag) const {
    const std::string* raw = rawValue(section, tag);
    if (raw == nullptr) return std::nullopt;
    return ini::parseInt(ini::withoutQuotes(*raw));
}

std::optional<double> IniStore::getDouble(std::string_view section, std::string_view tag) const {
    const std::string* raw = rawValue(section, tag);
    if (raw == nullptr) return std::nullopt;
    return parseDouble(ini::withoutQuotes(*raw));
}

std::optional<std::string> IniStore::getString(std::string_view section,
                                               std::string_view tag) const {
    if (const std::string* raw = rawValue(section, tag)) {
        return std::string(ini::withoutQuotes(*raw));
    }
    // A long value: the continuation lines from 0001 on, up to the first gap.
    std::optional<std::string> joined;
    for (int number = 1; number < std::numeric_limits<int>::max(); ++number) {
        const std::string* part = rawValue(section, lineTag(tag, number));
        if (part == nullptr) break;
        if (!joined) joined.emplace();
        *joined += ini::withoutQuotes(*part);
    }
    return joined;
}

std::string IniStore::serialize() const {
    std::string text;
    for (const auto& [name, items] : sections_) {
        text += '[';
        text += name;
        text += "]\r\n";
        for (const auto& [tag, raw] : items) {
            text += tag;
            text += " = ";
            text += raw;
            text += "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

void IniStore::parse(std::string_view text) {
    Section* current = nullptr;
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t end = text.find('\n', position);
        std::string_view line = text.substr(
            position, end == std::string_view::npos ? std::string_view::npos : end - position);
        position = end == std::string_view::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        // The rest of an over-long line is dropped, not read as a line of its own: the tail
        // of a long value must not turn into an item or a section header.
        line = line.substr(0, ini::kMaxLineLength);
        line = ini::withoutLeadingBlanks(line);

        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            if (const auto name = ini::sectionName(line)) current = &sectionFor(*name);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || current == nullptr) continue;
        const std::string_view tag = ini::trimBlanks(line.substr(0, equals));
        const std::string_view value = ini::trimBlanks(line.substr(equals + 1));
        if (tag.empty() || value.empty()) continue;
        current->insert_or_assign(std::string(tag), std::string(value));
    }
}

}  // namespace plv7
