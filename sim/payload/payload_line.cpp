#include "payload_line.h"

#include "text.h"

namespace sim::payload {

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
}  // namespace

bool isPayloadLine(std::string_view line) {
    return text::startsWithNoCase(line, kPayloadKey) &&
           (line.size() == kPayloadKey.size() || isBlank(line[kPayloadKey.size()]));
}

std::optional<PayloadEntry> parsePayloadLine(std::string_view line) {
    if (!isPayloadLine(line)) return std::nullopt;
    const std::string_view rest = text::trim(line.substr(kPayloadKey.size()));
    std::size_t classEnd = 0;
    while (classEnd < rest.size() && !isBlank(rest[classEnd])) ++classEnd;
    const std::string_view className = rest.substr(0, classEnd);
    const std::string_view name = text::trim(rest.substr(classEnd));
    if (className.empty() || name.empty()) return std::nullopt;
    return PayloadEntry{std::string(className), std::string(name)};
}

std::string payloadLineValue(const PayloadEntry& entry) {
    return entry.className + " " + entry.name;
}

}  // namespace sim::payload
