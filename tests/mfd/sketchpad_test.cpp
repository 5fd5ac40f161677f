// The display surface an MFD mode draws on: what it records of each text, and the picture the
// SVG writer makes of it.
#include <gmock/gmock.h>

#include "ui/drawing_tools.h"
#include "ui/recording_sketchpad.h"
#include "ui/svg_writer.h"

namespace mfdtest {
namespace {

using sim::ui::FontSpec;
using ::testing::HasSubstr;
using Sketchpad = oapi::Sketchpad;

const FontSpec kDefault{"Fixed", 12, false, FONT_NORMAL, 0};

TEST(RecordingSketchpad, RecordsEachTextWithTheStateInForce) {
    const sim::ui::HostFont standard(kDefault);
    sim::ui::DisplayList list;
    sim::ui::RecordingSketchpad skp(standard, list);
    EXPECT_TRUE(skp.Text(1, 2, "plain", 5));

    oapi::Font* underlined = oapiCreateFont(10, true, "Sans", FONT_UNDERLINE);
    EXPECT_EQ(skp.SetFont(underlined), nullptr);
    skp.SetTextAlign(Sketchpad::RIGHT, Sketchpad::BOTTOM);
    EXPECT_EQ(skp.SetTextColor(0x0000FF), 0xFFFFFFu);
    skp.SetOrigin(100, 50);
    skp.SetBackgroundColor(0x202020);
    skp.SetBackgroundMode(Sketchpad::BK_OPAQUE);
    EXPECT_TRUE(skp.Text(3, 4, "cut here", 3));
    EXPECT_TRUE(skp.Text(0, 0, "short", 40));  // stops at the terminator
    EXPECT_FALSE(skp.Text(0, 0, "none", 0));
    EXPECT_FALSE(skp.Text(0, 0, nullptr, 4));
    EXPECT_EQ(skp.SetFont(nullptr), underlined);
    oapiReleaseFont(underlined);

    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].text, "plain");
    EXPECT_EQ(list[0].font, kDefault);
    EXPECT_EQ(list[0].colour, 0xFFFFFFu);
    EXPECT_EQ(list[0].horizontal, Sketchpad::LEFT);
    EXPECT_EQ(list[0].vertical, Sketchpad::TOP);
    EXPECT_FALSE(list[0].background.has_value());

    EXPECT_EQ(list[1].text, "cut");
    EXPECT_EQ(list[1].x, 103);
    EXPECT_EQ(list[1].y, 54);
    EXPECT_EQ(list[1].font, (FontSpec{"Sans", 10, true, FONT_UNDERLINE, 0}));
    EXPECT_EQ(list[1].colour, 0x0000FFu);
    EXPECT_EQ(list[1].horizontal, Sketchpad::RIGHT);
    EXPECT_EQ(list[1].vertical, Sketchpad::BOTTOM);
    EXPECT_EQ(list[1].background, 0x202020u);
    EXPECT_EQ(list[2].text, "short");
}

TEST(RecordingSketchpad, MeasuresWithTheSelectedFont) {
    const sim::ui::HostFont standard(kDefault);
    sim::ui::DisplayList list;
    sim::ui::RecordingSketchpad skp(standard, list);
    EXPECT_EQ(skp.GetCharSize(), 12u | (7u << 16));  // height low, width high
    EXPECT_EQ(skp.GetTextWidth("abcd"), 28u);
    EXPECT_EQ(skp.GetTextWidth("abcd", 2), 14u);
    const sim::ui::HostFont proportional({"Sans", 20, true, FONT_NORMAL, 0});
    skp.SetFont(const_cast<sim::ui::HostFont*>(&proportional));
    EXPECT_EQ(skp.GetCharSize(), 20u | (10u << 16));
}

TEST(DisplaySvg, DrawsTextsWhereTheHostWouldAndLabelsBesideTheScreen) {
    sim::ui::DisplayList list(4);
    list[0] = {10, 20, "A<B & \"C\"", kDefault, 0x0000FF, Sketchpad::LEFT, Sketchpad::TOP, {}};
    list[1] = {128,
               100,
               "mid",
               {"Sans", 10, true, FONT_BOLD | FONT_UNDERLINE, 0},
               0xFF8000,
               Sketchpad::CENTER,
               Sketchpad::BOTTOM,
               {}};
    list[2] = {250,
               100,
               "end",
               {"Serif", 10, true, FONT_ITALIC, 900},
               0x00FF00,
               Sketchpad::RIGHT,
               Sketchpad::BASELINE,
               0x000040u};
    list[3] = {
        0, 0, "odd face", {"Lucida", 10, false, FONT_NORMAL, 0}, 0, Sketchpad::LEFT, Sketchpad::TOP,
        {}};
    sim::ui::DisplayPicture picture{256, 200, &list, {}};
    picture.buttonLabels[0] = "PLD";
    picture.buttonLabels[11] = "SEL";
    const std::string svg = sim::ui::displaySvg(picture);

    // 0xBBGGRR colours, baselines below a top anchor and above a bottom one, anchors by
    // alignment, styles as attributes, texts escaped.
    EXPECT_THAT(svg, HasSubstr("<text x=\"10\" y=\"29.6\" font-family=\"'Courier New', monospace\" "
                               "font-size=\"12\" fill=\"#ff0000\" text-anchor=\"start\""));
    EXPECT_THAT(svg, HasSubstr(">A&lt;B &amp; &quot;C&quot;</text>"));
    EXPECT_THAT(svg, HasSubstr("<text x=\"128\" y=\"98\" font-family=\"Arial, sans-serif\" "
                               "font-size=\"10\" fill=\"#0080ff\" text-anchor=\"middle\" "
                               "font-weight=\"bold\" text-decoration=\"underline\""));
    EXPECT_THAT(svg, HasSubstr("text-anchor=\"end\" font-style=\"italic\" "
                               "transform=\"rotate(-90 250 100)\""));
    EXPECT_THAT(svg, HasSubstr("fill=\"#400000\"/>"));  // the opaque background behind "end"
    EXPECT_THAT(svg, HasSubstr("font-family=\"'Lucida', monospace\""));
    EXPECT_THAT(svg, HasSubstr(">PLD</text>"));
    EXPECT_THAT(svg, HasSubstr(">SEL</text>"));
    EXPECT_THAT(svg, HasSubstr("width=\"256\" height=\"200\" fill=\"#050805\""));
}

}  // namespace
}  // namespace mfdtest
