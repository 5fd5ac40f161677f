// Class configuration files in the host's "item = value" format: ';' starts a comment, item
// names match without regard to case, the first match wins and a line "END_PARSE" ends the
// searchable part.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host_file.h"

namespace sim {

class ConfigFile : public HostFile {
  public:
    // Throws sim::Error naming the file when it cannot be read.
    static ConfigFile load(const std::string& path);
    static ConfigFile parse(std::string_view text, std::string path = "<text>");

    // The value of the first line whose item is `item`: the text after '=' without surrounding
    // blanks (possibly empty). nullopt when no line names the item.
    std::optional<std::string> find(std::string_view item) const;

    std::optional<std::string> readString(std::string_view item) const;  // present and non-empty
    std::optional<double> readFloat(std::string_view item) const;
    std::optional<int> readInt(std::string_view item) const;
    std::optional<bool> readBool(std::string_view item) const;
    std::optional<std::vector<double>> readNumbers(std::string_view item, std::size_t count) const;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
    std::vector<std::string> lines_;
};

}  // namespace sim
