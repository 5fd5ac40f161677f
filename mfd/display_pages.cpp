// The mode's two pages: the flight-data page with the launcher's targets, autopilot state and
// vehicle figures, and the launcher-selection page with the names found.
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "arvex.h"
#include "arvex_mfd.h"
#include "launcher_selection.h"
#include "mfd_state.h"

namespace {

using Sketchpad = oapi::Sketchpad;

// Text colours, 0xBBGGRR.
constexpr DWORD kGreen = 0x00FF00;
constexpr DWORD kBlue = 0xFF0000;
constexpr DWORD kRed = 0x0000FF;
constexpr DWORD kWhite = 0xFFFFFF;

constexpr char kTitle[] = "TESSARON FLIGHT COMPUTER";

// Positions in layout units: columns of the display width / 22, rows of its height / 20.
constexpr double kCentreColumn = 11.0;
constexpr double kTitleRow = 19.0;
constexpr double kStatusRow = 20.0;
constexpr double kTargetValueColumn = 7.5;
constexpr double kDataValueColumn = 17.5;
constexpr double kLeftListColumn = 0.5;
constexpr double kRightListColumn = 16.0;
// The list rows sit beside the six buttons of each side.
constexpr double kListRows[] = {4.0, 7.0, 10.0, 13.0, 16.0, 19.0};
constexpr std::size_t kRowsPerColumn = std::size(kListRows);
constexpr std::size_t kListedEntries = 2 * kRowsPerColumn;

constexpr double kKilometresPerMetre = 0.001;

struct PageText {
    bool underlined;
    DWORD colour;
    Sketchpad::TAlign_horizontal align;
    double column;
    double row;
    const char* text;
};

// The fixed texts of the flight-data page, drawn before its values.
const PageText kFlightDataTexts[] = {
    {false, kGreen, Sketchpad::LEFT, 0.5, 10, ">Target APA:"},
    {false, kGreen, Sketchpad::LEFT, 0.5, 13, ">Target HDG:"},
    {false, kGreen, Sketchpad::LEFT, 0.5, 14, ">EST EQ-INC:"},
    {true, kGreen, Sketchpad::RIGHT, 17, 3, "FLIGHT DATA"},
    {true, kGreen, Sketchpad::RIGHT, 17, 12, "LV DATA:"},
    {false, kGreen, Sketchpad::RIGHT, 17, 4, "AP STATUS:"},
    {false, kGreen, Sketchpad::RIGHT, 17, 5, "AP MODE:"},
    {false, kGreen, Sketchpad::RIGHT, 17, 6, "APA:"},
    {false, kGreen, Sketchpad::RIGHT, 17, 7, "HDG:"},
    {false, kGreen, Sketchpad::RIGHT, 17, 8, "MET:"},
    {false, kGreen, Sketchpad::RIGHT, 17, 13, "CORE FUEL:"},
    {false, kGreen, Sketchpad::RIGHT, 17, 14, "BOOSTERS:"},
    {false, kGreen, Sketchpad::RIGHT, 17, 15, "PAYLOAD MASS:"},
    {false, kGreen, Sketchpad::CENTER, kCentreColumn, kTitleRow, kTitle},
    {false, kBlue, Sketchpad::CENTER, kCentreColumn, kStatusRow, "CONNECTED"},
};

// Every value shown is formatted into the module's text buffer, which is then drawn.
__attribute__((format(printf, 1, 2))) void FormatText(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    std::string& buffer = ModuleState().textBuffer;
    buffer.resize(static_cast<std::size_t>(std::max(length, 0)));
    std::vsnprintf(buffer.data(), buffer.size() + 1, format, args);
    va_end(args);
}

// What the selection page's second footer line tells the pilot.
const char* SelectionStatus() {
    const MfdModuleState& state = ModuleState();
    if (state.launcher != nullptr) return "CONNECTED";
    if (state.launcherLost) return "LAUNCHER LOST";
    if (state.launcherNames.empty()) return "NO LAUNCHER FOUND";
    return "SELECT LAUNCHER";
}

}  // namespace

bool Arvex_MFD::Update(oapi::Sketchpad* skp) {
    skp->SetFont(normalFont);
    skp->SetTextColor(kGreen);
    skp->SetTextAlign(Sketchpad::CENTER, Sketchpad::BOTTOM);
    Arvex* launcher = Launcher();
    const int page = ModuleState().currentPage;
    if (launcher == nullptr) {
        RebuildLauncherList();
        DrawSelectionPage(skp);
    } else if (page == kFlightDataPage) {
        DrawFlightDataPage(skp, launcher);
    } else if (page == kSelectionPage) {
        DrawSelectionPage(skp);
    }
    return true;
}

void Arvex_MFD::DrawTextBuffer(oapi::Sketchpad* skp, double column, double row) {
    const std::string& text = ModuleState().textBuffer;
    skp->Text(Columns(column), Rows(row), text.c_str(), static_cast<int>(text.size()));
}

void Arvex_MFD::DrawFlightDataPage(oapi::Sketchpad* skp, Arvex* launcher) {
    for (const PageText& t : kFlightDataTexts) {
        skp->SetFont(t.underlined ? underlineFont : normalFont);
        skp->SetTextColor(t.colour);
        skp->SetTextAlign(t.align, Sketchpad::BOTTOM);
        skp->Text(Columns(t.column), Rows(t.row), t.text, static_cast<int>(std::strlen(t.text)));
    }
    skp->SetFont(normalFont);
    skp->SetTextColor(kWhite);
    skp->SetTextAlign(Sketchpad::LEFT, Sketchpad::BOTTOM);
    FormatText("%.2f KM", launcher->GetTargetApoapsisKm());
    DrawTextBuffer(skp, kTargetValueColumn, 10);
    FormatText("%.2f", launcher->GetTargetHeading());
    DrawTextBuffer(skp, kTargetValueColumn, 13);
    FormatText("%.2lf", launcher->GetEstimatedInclination());
    DrawTextBuffer(skp, kTargetValueColumn, 14);

    const bool engaged = launcher->GetAutopilotEngaged() == 1;
    skp->SetTextColor(engaged ? kBlue : kRed);
    FormatText("%s", engaged ? "ACTIVE" : "DISABLED");
    DrawTextBuffer(skp, kDataValueColumn, 4);
    skp->SetTextColor(kWhite);
    FormatText("P0%i", launcher->GetGuidancePhase());
    DrawTextBuffer(skp, kDataValueColumn, 5);
    FormatText("%.2lfKM", launcher->GetApoapsisAltitude() * kKilometresPerMetre);
    DrawTextBuffer(skp, kDataValueColumn, 6);
    FormatText("%.1lf", launcher->GetCurrentHeading());
    DrawTextBuffer(skp, kDataValueColumn, 7);
    FormatText("T+ %i", launcher->GetMissionTime());
    DrawTextBuffer(skp, kDataValueColumn, 8);
    FormatText("%.0f KG", launcher->GetCorePropellant());
    DrawTextBuffer(skp, kDataValueColumn, 13);
    FormatText("%.0f KG", launcher->GetBoosterPropellant());
    DrawTextBuffer(skp, kDataValueColumn, 14);
    FormatText("%.0lf KG", launcher->GetPayloadMass());
    DrawTextBuffer(skp, kDataValueColumn, 15);
}

void Arvex_MFD::DrawSelectionPage(oapi::Sketchpad* skp) {
    const std::vector<std::string>& names = ModuleState().launcherNames;
    skp->SetTextAlign(Sketchpad::LEFT, Sketchpad::BOTTOM);
    const std::size_t shown = std::min(names.size(), kListedEntries);
    for (std::size_t i = 0; i < shown; ++i) {
        FormatText("%s", names[i].c_str());
        const bool rightColumn = i >= kRowsPerColumn;
        if (rightColumn) skp->SetTextAlign(Sketchpad::RIGHT, Sketchpad::BOTTOM);
        DrawTextBuffer(skp, rightColumn ? kRightListColumn : kLeftListColumn,
                       kListRows[i % kRowsPerColumn]);
    }
    skp->SetTextAlign(Sketchpad::CENTER, Sketchpad::BOTTOM);
    skp->Text(Columns(kCentreColumn), Rows(kTitleRow), kTitle,
              static_cast<int>(std::strlen(kTitle)));
    FormatText("%s", SelectionStatus());
    DrawTextBuffer(skp, kCentreColumn, kStatusRow);
}
