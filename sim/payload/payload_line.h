// The library's scenario line in a carrier's block: "PAYLOAD <class> <name>", one per payload.
// The name is the rest of the line, so vessel names may hold blanks; class names may not.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sim::payload {

inline constexpr std::string_view kPayloadKey = "PAYLOAD";

struct PayloadEntry {
    std::string className;
    std::string name;
};

// True when the line is the library's: the key, without regard to case, then a blank or the end.
bool isPayloadLine(std::string_view line);

// The class and name of a payload line; nullopt when either is missing.
std::optional<PayloadEntry> parsePayloadLine(std::string_view line);

// The text written after the key: "<class> <name>".
std::string payloadLineValue(const PayloadEntry& entry);

}  // namespace sim::payload
