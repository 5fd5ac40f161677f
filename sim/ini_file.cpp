#include "ini_file.h"

#include <fstream>
#include <sstream>

#include "text.h"

namespace sim {

namespace {

// The profile reader drops one pair of matching quotes around a value.
std::string_view unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        return v.substr(1, v.size() - 2);
    }
    return v;
}

}  // namespace

IniFile IniFile::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return IniFile{};
    std::ostringstream content;
    content << in.rdbuf();
    return parse(content.str());
}

IniFile IniFile::parse(std::string_view content) {
    IniFile file;
    Section* current = nullptr;
    text::forEachLine(content, [&](std::string_view raw) {
        const std::string_view line = text::trim(raw);
        if (line.empty() || line.front() == ';') return;
        if (line.front() == '[') {
            const auto close = line.find(']');
            const std::string_view name =
                text::trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
            file.sections_.push_back(Section{std::string(name), {}});
            current = &file.sections_.back();
            return;
        }
        if (current == nullptr) return;
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) return;
        current->entries.emplace_back(std::string(text::trim(line.substr(0, eq))),
                                      std::string(unquote(text::trim(line.substr(eq + 1)))));
    });
    return file;
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
    for (const Section& s : sections_) {
        if (text::equalsNoCase(s.name, name)) return &s;
    }
    return nullptr;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    if (s == nullptr) return std::nullopt;
    for (const auto& [k, v] : s->entries) {
        if (text::equalsNoCase(k, key)) return v;
    }
    return std::nullopt;
}

}  // namespace sim
