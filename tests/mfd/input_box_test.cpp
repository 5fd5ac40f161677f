// The host's input box: the handler's answer decides whether it closes, one box at a time,
// text cut to the host's limit, cancel without the handler.
#include <string>

#include "error.h"
#include "host_tree.h"
#include "ui/input_box.h"

namespace mfdtest {
namespace {

struct Answer {
    bool accept = true;
    int calls = 0;
    void* box = nullptr;
    std::string text;
    void* userData = nullptr;
    bool openAnother = false;
} g_answer;

bool Handler(void* box, char* text, void* userData) {
    ++g_answer.calls;
    g_answer.box = box;
    g_answer.text = text;
    g_answer.userData = userData;
    if (g_answer.openAnother) oapiOpenInputBox("Next:", Handler);
    return g_answer.accept;
}

class InputBox : public HostTree {
  protected:
    InputBox() { g_answer = {}; }
    sim::ui::InputBoxService& Box() { return Sim().service<sim::ui::InputBoxService>(); }
};

TEST_F(InputBox, HandlerAnswerDecidesWhetherTheBoxCloses) {
    int owner = 0;
    Sim();
    oapiOpenInputBox("Target:", Handler, "12", 8, &owner);
    const sim::ui::InputBoxRequest* box = Box().current();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title, "Target:");
    EXPECT_EQ(box->initialText, "12");
    EXPECT_EQ(box->visibleLength, 8);

    g_answer.accept = false;
    EXPECT_FALSE(Box().enter("oops"));
    EXPECT_TRUE(Box().isOpen());
    g_answer.accept = true;
    EXPECT_TRUE(Box().enter("42"));
    EXPECT_FALSE(Box().isOpen());
    EXPECT_EQ(g_answer.calls, 2);
    EXPECT_EQ(g_answer.text, "42");
    EXPECT_EQ(g_answer.userData, &owner);
    EXPECT_NE(g_answer.box, nullptr);
}

TEST_F(InputBox, TextIsCutToTheHostsLimit) {
    Sim();
    oapiOpenInputBox("Name:", Handler);
    Box().enter(std::string(300, 'x'));
    EXPECT_EQ(g_answer.text, std::string(sim::ui::InputBoxService::kMaxTextLength, 'x'));
}

TEST_F(InputBox, OneBoxAtATime) {
    Sim();
    oapiOpenInputBox("First:", Handler);
    oapiOpenInputBox("Second:", Handler);
    EXPECT_EQ(Box().current()->title, "Second:");

    // A handler that opens the next box leaves that one open, whatever it answers.
    g_answer.openAnother = true;
    g_answer.accept = false;
    EXPECT_FALSE(Box().enter("a"));
    ASSERT_TRUE(Box().isOpen());
    EXPECT_EQ(Box().current()->title, "Next:");

    g_answer.openAnother = false;
    Box().cancel();
    EXPECT_FALSE(Box().isOpen());
    EXPECT_EQ(g_answer.calls, 1);
    EXPECT_THROW(Box().enter("late"), sim::Error);
}

TEST_F(InputBox, WithoutASimulationNothingOpens) {
    oapiOpenInputBox("Nobody:", Handler);
    EXPECT_EQ(g_answer.calls, 0);
    EXPECT_FALSE(Box().isOpen());
}

}  // namespace
}  // namespace mfdtest
