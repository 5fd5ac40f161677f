// Small text helpers shared by the host's file readers and writers.
#pragma once

#include <string>
#include <string_view>

namespace sim::text {

// Removes leading and trailing blanks and tabs (and a stray carriage return).
std::string_view trim(std::string_view s);

// Everything before the first ';' (the host's comment character).
std::string_view stripComment(std::string_view s);

bool equalsNoCase(std::string_view a, std::string_view b);

// True when `s` starts with `prefix`, compared without regard to case.
bool startsWithNoCase(std::string_view s, std::string_view prefix);

std::string toLower(std::string_view s);

// Text made safe for XML content and attributes (the SVG pictures, the flight report).
std::string xmlEscaped(std::string_view s);

// Splits `s` into lines; "\r\n" and "\n" both end a line.
template <typename Fn>
void forEachLine(std::string_view s, Fn&& fn) {
    while (!s.empty()) {
        const auto end = s.find('\n');
        std::string_view line = s.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        fn(line);
        if (end == std::string_view::npos) break;
        s.remove_prefix(end + 1);
    }
}

}  // namespace sim::text
