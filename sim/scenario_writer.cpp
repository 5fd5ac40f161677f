#include "scenario_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "error.h"

namespace sim {

void ScenarioWriter::line(std::string_view text) {
    text_ += text;
    text_ += '\n';
}

void ScenarioWriter::item(std::string_view key, std::string_view value) {
    text_ += "  ";
    text_ += key;
    text_ += ' ';
    text_ += value;
    text_ += '\n';
}

std::string formatFixed(double value, int decimals) {
    // Sized to the value: a fixed buffer would cut the digits of a huge one, which then reads
    // back as another number.
    const int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::string s(static_cast<std::size_t>(std::max(length, 0)), '\0');
    std::snprintf(s.data(), s.size() + 1, "%.*f", decimals, value);
    // A value that rounds to zero is written without its sign.
    if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

std::string formatScenarioFloat(double value) {
    std::string s = formatFixed(value, 6);
    if (s.find('.') == std::string::npos) return s;  // inf, nan
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.push_back('0');
    return s;
}

void writeFileAtomically(const std::string& path, std::string_view content) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw Error(path + ": cannot write the file");
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        throw Error(path + ": cannot write the file: " + ec.message());
    }
}

}  // namespace sim
