#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plv7 {

// The settings store: sections of tagged items, compared and kept in order without regard
// to case, read from and written to a text file of the INI kind with CR LF line ends.
class IniStore {
public:
    enum class ReadResult { Ok, NotFound, Failed };

    // Replaces the content with the file's items. NotFound when the file does not exist,
    // Failed when it exists but cannot be opened or read.
    ReadResult readFile(const std::string& path);
    // Writes every section, replacing the target in one step: the previous file stays intact
    // on every failure. False when the file could not be written.
    bool writeFile(const std::string& path) const;

    // The file's bytes as writeFile writes them.
    std::string serialize() const;
    // Adds the items of text as readFile reads them (the file's content, line ends CR LF or
    // LF); a later item replaces an earlier one of the same tag.
    void parse(std::string_view text);
    // A store holding what `text` says.
    static IniStore fromText(std::string_view text) {
        IniStore store;
        store.parse(text);
        return store;
    }

    void putInt(std::string_view section, std::string_view tag, long value);
    void putDouble(std::string_view section, std::string_view tag, double value);
    // Stored and written between double quotes, exactly as given.
    void putString(std::string_view section, std::string_view tag, std::string_view value);

    // Missing or not a valid number: nullopt. Every getter reads a value that stands in double
    // quotes without them.
    std::optional<long> getInt(std::string_view section, std::string_view tag) const;
    std::optional<double> getDouble(std::string_view section, std::string_view tag) const;
    // The value without its quotes; a value split over several lines comes back joined.
    std::optional<std::string> getString(std::string_view section, std::string_view tag) const;

    bool hasSection(std::string_view section) const;
    void clear();

private:
    struct CaseInsensitiveLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    // Raw item values as they stand in the file (strings with their quotes).
    using Section = std::map<std::string, std::string, CaseInsensitiveLess>;

    Section& sectionFor(std::string_view section);
    // Puts the items that now stand for tag, dropping its previous value and the
    // continuation lines of a previous long value.
    void replaceItem(std::string_view section, std::string_view tag,
                     std::vector<std::pair<std::string, std::string>> items);
    const std::string* rawValue(std::string_view section, std::string_view tag) const;

    std::map<std::string, Section, CaseInsensitiveLess> sections_;
};

}  // namespace plv7
