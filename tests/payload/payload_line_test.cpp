#include <gtest/gtest.h>

#include "payload_line.h"

namespace sim::payload {
namespace {

struct LineCase {
    const char* line;
    bool isPayloadLine;
    std::optional<PayloadEntry> entry;
};

TEST(PayloadLine, RecognisesAndParsesTheLibrarysLines) {
    const LineCase cases[] = {
        {"PAYLOAD Arvex/Payloads/Arvex-Satellite Sat1", true,
         PayloadEntry{"Arvex/Payloads/Arvex-Satellite", "Sat1"}},
        {"payload  Arvex\\Payloads\\Arvex-Satellite\tComsat  two ", true,
         PayloadEntry{"Arvex\\Payloads\\Arvex-Satellite", "Comsat  two"}},
        {"PAYLOAD Arvex/Payloads/Arvex-Satellite", true, std::nullopt},
        {"PAYLOAD", true, std::nullopt},
        {"PAYLOADS Arvex/Payloads/Arvex-Satellite Sat1", false, std::nullopt},
        {"PRPLEVEL 0:1.000000", false, std::nullopt},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(isPayloadLine(c.line), c.isPayloadLine);
        const std::optional<PayloadEntry> parsed = parsePayloadLine(c.line);
        ASSERT_EQ(parsed.has_value(), c.entry.has_value());
        if (!parsed) continue;
        EXPECT_EQ(parsed->className, c.entry->className);
        EXPECT_EQ(parsed->name, c.entry->name);
    }
}

TEST(PayloadLine, WrittenValueReadsBack) {
    const PayloadEntry entry{"Arvex/Payloads/Arvex-Satellite", "Comsat two"};
    const auto parsed = parsePayloadLine(std::string(kPayloadKey) + " " + payloadLineValue(entry));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->className, entry.className);
    EXPECT_EQ(parsed->name, entry.name);
}

}  // namespace
}  // namespace sim::payload
