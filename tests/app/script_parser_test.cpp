// The script format: what a line may say, and the one-line errors naming file and line.
#include <gtest/gtest.h>

#include "error.h"
#include "key_names.h"
#include "script.h"

namespace {

using app::parseScript;

TEST(ScriptParser, ReadsTimesEventsDelaysAndQuotedWords) {
    const app::Script script = parseScript(
        "# a comment line\n"
        "\n"
        "at 0: mfd open left \"Tessaron control\" Arvex1   # trailing comment\n"
        "at 12.5: key Arvex1 Ctrl+J\n"
        "after booster separation + 5: snapshot left boosters\n"
        "after autopilot-off: mfd button left PLD\n"
        "after MECO+2: input \"250.5 km # not a comment\"\n"
        "at 3: dialog press \"Hide / Show\"\n",
        "flight.txt");
    ASSERT_EQ(script.actions.size(), 6u);
    const auto& open = script.actions[0];
    EXPECT_EQ(open.line, 3);
    EXPECT_EQ(open.trigger.at, 0.0);
    EXPECT_EQ(open.verb, "mfd open");
    EXPECT_EQ(open.args, (std::vector<std::string>{"left", "Tessaron control", "Arvex1"}));
    EXPECT_EQ(script.actions[1].trigger.at, 12.5);
    EXPECT_EQ(script.actions[1].args, (std::vector<std::string>{"Arvex1", "Ctrl+J"}));
    const auto& separation = script.actions[2].trigger;
    ASSERT_NE(separation.after, nullptr);
    EXPECT_EQ(separation.after->name, "booster separation");
    EXPECT_EQ(separation.delay, 5.0);
    EXPECT_EQ(script.actions[3].trigger.after->name, "autopilot off");
    EXPECT_EQ(script.actions[4].trigger.after->name, "MECO");
    EXPECT_EQ(script.actions[4].trigger.delay, 2.0);
    EXPECT_EQ(script.actions[4].args, (std::vector<std::string>{"250.5 km # not a comment"}));
    EXPECT_EQ(script.actions[5].args, (std::vector<std::string>{"Hide / Show"}));
}

struct BadLine {
    const char* line;
    const char* message;  // part of the error
};

class ScriptParserError : public testing::TestWithParam<BadLine> {};

TEST_P(ScriptParserError, NamesFileLineAndFault) {
    const BadLine& bad = GetParam();
    try {
        parseScript(std::string("at 0: focus Arvex1\n") + bad.line + "\n", "pilot.txt");
        FAIL() << "accepted: " << bad.line;
    } catch (const sim::Error& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind("pilot.txt:2: ", 0), 0u) << message;
        EXPECT_NE(message.find(bad.message), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScriptParserError,
    testing::Values(BadLine{"key Arvex1 J", "expected \"<when>: <action>\""},
                    BadLine{"at: key Arvex1 J", "is not a time"},
                    BadLine{"at -3: key Arvex1 J", "is not a time in seconds"},
                    BadLine{"at 1O: key Arvex1 J", "\"1O\" is not a time"},
                    BadLine{"soon: key Arvex1 J", "is not a time (\"at <seconds>\")"},
                    BadLine{"after staging: key Arvex1 J", "\"staging\" is not a flight event"},
                    BadLine{"after MECO + x: stop", "\"x\" is not a time"},
                    BadLine{"at 1:", "no action after the ':'"},
                    BadLine{"at 1: fly Arvex1", "\"fly\" is not an action"},
                    BadLine{"at 1: key Arvex1", "usage: key <vessel> <key>"},
                    BadLine{"at 1: key Arvex1 Ctrl+Q+J", "\"Q\" in \"Ctrl+Q+J\" is not a modifier"},
                    BadLine{"at 1: key Arvex1 Hyper", "\"Hyper\" is not a key name"},
                    BadLine{"at 1: mfd open middle \"Tessaron control\"", "names no MFD display"},
                    BadLine{"at 1: mfd button left", "usage: mfd button"},
                    BadLine{"at 1: input 250 km", "quote texts with blanks"},
                    BadLine{"at 1: input \"250", "a quote is not closed"},
                    BadLine{"at 1: warp 0", "must be positive"},
                    BadLine{"at 1: dialog updown 1015 many", "\"many\" is not a number"},
                    BadLine{"at 1: snapshot left mfd/pad", "plain file name"},
                    BadLine{"at 1: stop now", "usage: stop"}));

TEST(KeyChord, ModifiersStandForTheirKeysAndNamesIgnoreCase) {
    const app::KeyChord chord = app::parseKeyChord("ctrl+RAlt+space");
    EXPECT_EQ(chord.key, static_cast<DWORD>(OAPI_KEY_SPACE));
    EXPECT_EQ(chord.held, (std::vector<DWORD>{OAPI_KEY_LCONTROL, OAPI_KEY_RALT}));
    EXPECT_EQ(app::parseKeyChord("J").key, static_cast<DWORD>(OAPI_KEY_J));
    EXPECT_TRUE(app::parseKeyChord("J").held.empty());
    EXPECT_EQ(app::parseKeyChord("RCtrl+K").held, (std::vector<DWORD>{OAPI_KEY_RCONTROL}));
}

}  // namespace
