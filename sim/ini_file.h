// Private-profile (INI) files as the Windows profile reader sees them: "[section]" headers,
// "key=value" lines, ';' comment lines; section and key names compared without regard to case.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sim {

class IniFile {
  public:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;  // key, value in file order
    };

    // An unreadable or missing file reads as an empty one, as the profile reader treats it.
    static IniFile load(const std::string& path);
    static IniFile parse(std::string_view text);

    const Section* findSection(std::string_view name) const;
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    const std::vector<Section>& sections() const { return sections_; }

  private:
    std::vector<Section> sections_;
};

}  // namespace sim
