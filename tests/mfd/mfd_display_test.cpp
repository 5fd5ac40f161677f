// The flight-data page as drawn for a connected core vessel: every text with its font, colour,
// alignment and place, the values formatted from the launcher's read-outs; and the picture of
// the display written as SVG.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "mfd_tree.h"

namespace mfdtest {
namespace {

using Align = oapi::Sketchpad::TAlign_horizontal;

struct Expected {
    std::string text;
    bool underlined;
    DWORD colour;
    Align align;
    double column;  // [layout units]
    int row;
};

std::string Format(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

class MfdDisplay : public MfdTree {
  protected:
    void Connect() {
        Load(Ship("Alpha", kCoreClass, 0));
        Open("Alpha");
        ASSERT_TRUE(Press(0));
    }
};

TEST_F(MfdDisplay, FlightDataPageShowsTheLaunchersFiguresInPlace) {
    Connect();
    Arvex& alpha = Core("Alpha");
    alpha.SetTargetApoapsis(250000.0);
    alpha.SetTargetHeading(90.0);
    const std::vector<Expected> expected = {
        {">Target APA:", false, kGreen, Align::LEFT, 0.5, 10},
        {">Target HDG:", false, kGreen, Align::LEFT, 0.5, 13},
        {">EST EQ-INC:", false, kGreen, Align::LEFT, 0.5, 14},
        {"FLIGHT DATA", true, kGreen, Align::RIGHT, 17, 3},
        {"LV DATA:", true, kGreen, Align::RIGHT, 17, 12},
        {"AP STATUS:", false, kGreen, Align::RIGHT, 17, 4},
        {"AP MODE:", false, kGreen, Align::RIGHT, 17, 5},
        {"APA:", false, kGreen, Align::RIGHT, 17, 6},
        {"HDG:", false, kGreen, Align::RIGHT, 17, 7},
        {"MET:", false, kGreen, Align::RIGHT, 17, 8},
        {"CORE FUEL:", false, kGreen, Align::RIGHT, 17, 13},
        {"BOOSTERS:", false, kGreen, Align::RIGHT, 17, 14},
        {"PAYLOAD MASS:", false, kGreen, Align::RIGHT, 17, 15},
        {"TESSARON FLIGHT COMPUTER", false, kGreen, Align::CENTER, 11, 19},
        {"CONNECTED", false, kBlue, Align::CENTER, 11, 20},
        {"250.00 KM", false, kWhite, Align::LEFT, 7.5, 10},
        {"90.00", false, kWhite, Align::LEFT, 7.5, 13},
        {Format("%.2f", alpha.GetEstimatedInclination()), false, kWhite, Align::LEFT, 7.5, 14},
        {"DISABLED", false, kRed, Align::LEFT, 17.5, 4},
        {"P00", false, kWhite, Align::LEFT, 17.5, 5},
        {Format("%.2fKM", alpha.GetApoapsisAltitude() * 0.001), false, kWhite, Align::LEFT, 17.5,
         6},
        {Format("%.1f", alpha.GetCurrentHeading()), false, kWhite, Align::LEFT, 17.5, 7},
        {"T+ 0", false, kWhite, Align::LEFT, 17.5, 8},
        {Format("%.0f KG", alpha.GetCorePropellant()), false, kWhite, Align::LEFT, 17.5, 13},
        {Format("%.0f KG", alpha.GetBoosterPropellant()), false, kWhite, Align::LEFT, 17.5, 14},
        {"0 KG", false, kWhite, Align::LEFT, 17.5, 15},
    };
    const sim::ui::DisplayList& shown = Draw();
    ASSERT_EQ(shown.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Expected& e = expected[i];
        const sim::ui::TextItem& item = shown[i];
        SCOPED_TRACE(e.text);
        EXPECT_EQ(item.text, e.text);
        EXPECT_EQ(item.font, (sim::ui::FontSpec{"Fixed", kU, true,
                                                e.underlined ? FONT_UNDERLINE : FONT_NORMAL, 0}));
        EXPECT_EQ(item.colour, e.colour);
        EXPECT_EQ(item.horizontal, e.align);
        EXPECT_EQ(item.vertical, oapi::Sketchpad::BOTTOM);
        EXPECT_EQ(item.x, Col(e.column));
        EXPECT_EQ(item.y, e.row * kV);
    }
    // The launch site at 28.6 degrees north, heading due east.
    EXPECT_NEAR(alpha.GetEstimatedInclination(), 28.6084, 1e-3);
    EXPECT_GT(alpha.GetCorePropellant(), 0.0);
}

TEST_F(MfdDisplay, PictureShowsTheDisplayAndItsButtonLabels) {
    Connect();
    Draw();
    const fs::path picture = root / "flight-data.svg";
    Mfds().writeSvg(MFD_LEFT, picture);
    std::ifstream in(picture);
    std::stringstream svg;
    svg << in.rdbuf();
    const std::string text = svg.str();
    EXPECT_EQ(text.rfind("<svg", 0), 0u);
    EXPECT_NE(text.find("</svg>"), std::string::npos);
    for (const char* shown : {">FLIGHT DATA</text>", ">TESSARON FLIGHT COMPUTER</text>",
                              ">CONNECTED</text>", ">LCH</text>", ">SEL</text>", ">APA</text>"}) {
        EXPECT_NE(text.find(shown), std::string::npos) << shown;
    }
    EXPECT_NE(text.find("text-decoration=\"underline\""), std::string::npos);
    EXPECT_NE(text.find("fill=\"#0000ff\""), std::string::npos);  // "CONNECTED" in blue
    EXPECT_NE(text.find("fill=\"#ff0000\""), std::string::npos);  // "DISABLED" in red

    // Kept beside the build's runtime tree for a look at the page.
    const fs::path keep = fs::path(std::getenv("ARVEX_TREE")).parent_path() / "test-output";
    fs::create_directories(keep);
    Mfds().writeSvg(MFD_LEFT, keep / "tessaron-flight-data.svg");
}

}  // namespace
}  // namespace mfdtest
