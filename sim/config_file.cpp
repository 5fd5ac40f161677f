#include "config_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "error.h"
#include "text.h"

namespace sim {

ConfigFile ConfigFile::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error(path + ": cannot read the configuration file");
    std::ostringstream content;
    content << in.rdbuf();
    return parse(content.str(), path);
}

ConfigFile ConfigFile::parse(std::string_view content, std::string path) {
    ConfigFile file;
    file.path_ = std::move(path);
    bool ended = false;
    text::forEachLine(content, [&](std::string_view raw) {
        if (ended) return;
        const std::string_view line = text::trim(text::stripComment(raw));
        if (text::equalsNoCase(line, "END_PARSE")) {
            ended = true;
            return;
        }
        file.lines_.emplace_back(line);
    });
    return file;
}

std::optional<std::string> ConfigFile::find(std::string_view item) const {
    for (const std::string& line : lines_) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        if (text::equalsNoCase(text::trim(std::string_view(line).substr(0, eq)), item)) {
            return std::string(text::trim(std::string_view(line).substr(eq + 1)));
        }
    }
    return std::nullopt;
}

std::optional<std::string> ConfigFile::readString(std::string_view item) const {
    auto value = find(item);
    if (!value || value->empty()) return std::nullopt;
    return value;
}

std::optional<double> ConfigFile::readFloat(std::string_view item) const {
    const auto value = find(item);
    double d = 0.0;
    if (!value || std::sscanf(value->c_str(), "%lf", &d) != 1) return std::nullopt;
    return d;
}

std::optional<int> ConfigFile::readInt(std::string_view item) const {
    const auto value = find(item);
    int i = 0;
    if (!value || std::sscanf(value->c_str(), "%d", &i) != 1) return std::nullopt;
    return i;
}

std::optional<bool> ConfigFile::readBool(std::string_view item) const {
    const auto value = find(item);
    if (!value) return std::nullopt;
    if (text::startsWithNoCase(*value, "true")) return true;
    if (text::startsWithNoCase(*value, "false")) return false;
    return std::nullopt;
}

std::optional<std::vector<double>> ConfigFile::readNumbers(std::string_view item,
                                                           std::size_t count) const {
    const auto value = find(item);
    if (!value) return std::nullopt;
    std::istringstream in(*value);
    std::vector<double> numbers(count);
    for (double& d : numbers) {
        if (!(in >> d)) return std::nullopt;
    }
    return numbers;
}

}  // namespace sim
