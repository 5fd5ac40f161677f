#include "script_verbs.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "dialog/dialog_service.h"
#include "error.h"
#include "key_names.h"
#include "script_host.h"
#include "text.h"
#include "ui/input_box.h"
#include "ui/mfd_service.h"

namespace app {

namespace {

using sim::Error;
using sim::dialog::DialogService;
using sim::ui::MfdService;

// A whole number or a decimal, nothing else on the word.
double number(const std::string& word, std::string_view what) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) {
        throw Error("\"" + word + "\" is not a number (" + std::string(what) + ")");
    }
    return value;
}

bool isWholeNumber(const std::string& word) {
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
           word.size() < 9;
}

sim::HostVessel& vessel(ScriptHost& host, const std::string& name) {
    sim::HostVessel* found = host.simulation().findVessel(name);
    if (found == nullptr || found->markedForDeletion) {
        throw Error("no vessel named \"" + name + "\" in the simulation");
    }
    return *found;
}

MfdService& mfds(ScriptHost& host) {
    return host.simulation().service<MfdService>();
}

// A button by its number, or by the label it shows now ("LCH", "SEL").
int mfdButton(ScriptHost& host, int display, const std::string& word) {
    if (isWholeNumber(word)) return std::stoi(word);
    mfds(host).refresh();  // labels as the last press left them
    const auto& labels = mfds(host).display(display).buttonLabels();
    std::vector<int> matches;
    for (int i = 0; i < static_cast<int>(labels.size()); ++i) {
        if (!labels[i].empty() && sim::text::equalsNoCase(labels[i], word)) matches.push_back(i);
    }
    if (matches.size() == 1) return matches.front();
    std::string shown;
    for (const std::string& label : labels) shown += " [" + label + "]";
    throw Error("MFD " + mfds(host).display(display).name() + ": " +
                (matches.empty() ? "no button labelled \"" + word + "\""
                                 : "several buttons labelled \"" + word + "\"; give its number") +
                " (labels:" + shown + ")");
}

void runKey(ScriptHost& host, const ScriptArgs& args) {
    sim::HostVessel& target = vessel(host, args[0]);
    const KeyChord chord = parseKeyChord(args[1]);
    host.simulation().setFocus(&target);
    host.simulation().pressKey(chord.key, chord.held);
}

void runFocus(ScriptHost& host, const ScriptArgs& args) {
    host.simulation().setFocus(&vessel(host, args[0]));
}

void runMfdOpen(ScriptHost& host, const ScriptArgs& args) {
    const int display = MfdService::displayId(args[0]);
    if (args.size() > 2) {
        mfds(host).openMode(display, args[1], vessel(host, args[2]));
    } else {
        mfds(host).openMode(display, args[1]);
    }
    // The pilot sees the new mode at once, before pressing any of its buttons.
    mfds(host).redraw(display);
}

void runMfdClose(ScriptHost& host, const ScriptArgs& args) {
    mfds(host).closeMode(MfdService::displayId(args[0]));
}

void runMfdButton(ScriptHost& host, const ScriptArgs& args) {
    const int display = MfdService::displayId(args[0]);
    mfds(host).pressButton(display, mfdButton(host, display, args[1]));
}

void runInput(ScriptHost& host, const ScriptArgs& args) {
    host.simulation().service<sim::ui::InputBoxService>().enter(args[0]);
}

DialogService& dialogs(ScriptHost& host) {
    return host.simulation().service<DialogService>();
}

// The dialog opened last of those still open.
HWND currentDialog(ScriptHost& host) {
    const auto open = dialogs(host).openDialogs();
    if (open.empty()) throw Error("no dialog is open");
    return open.back()->handle();
}

// A control by its identifier, or by its text ("Select", "Hide / Show").
int dialogControl(ScriptHost& host, HWND dialog, const std::string& word) {
    if (isWholeNumber(word)) return std::stoi(word);
    const auto window = dialogs(host).dialog(dialog);
    for (const auto& control : window->controls()) {
        if (sim::text::equalsNoCase(control->text(), word)) return control->id();
    }
    throw Error("dialog \"" + window->title() + "\" has no control with the text \"" + word + "\"");
}

void runDialogOpen(ScriptHost& host, const ScriptArgs& args) {
    const std::size_t before = dialogs(host).openDialogs().size();
    runKey(host, {args[0], "Ctrl+Space"});
    if (dialogs(host).openDialogs().size() <= before) {
        throw Error("Ctrl+Space on \"" + args[0] + "\" opened no dialog");
    }
}

void runDialogPress(ScriptHost& host, const ScriptArgs& args) {
    const HWND dialog = currentDialog(host);
    dialogs(host).pressButton(dialog, dialogControl(host, dialog, args[0]));
}

void runDialogPick(ScriptHost& host, const ScriptArgs& args) {
    const HWND dialog = currentDialog(host);
    const int control = dialogControl(host, dialog, args[0]);
    if (isWholeNumber(args[1])) {
        dialogs(host).pickComboEntry(dialog, control, std::stoi(args[1]));
        return;
    }
    const auto entries = dialogs(host).comboEntries(dialog, control);
    const auto entry = std::find_if(entries.begin(), entries.end(), [&](const std::string& e) {
        return sim::text::equalsNoCase(e, args[1]);
    });
    if (entry == entries.end()) {
        throw Error("the list " + args[0] + " has no entry \"" + args[1] + "\"");
    }
    dialogs(host).pickComboEntry(dialog, control, static_cast<int>(entry - entries.begin()));
}

void runDialogType(ScriptHost& host, const ScriptArgs& args) {
    const HWND dialog = currentDialog(host);
    dialogs(host).typeText(dialog, dialogControl(host, dialog, args[0]), args[1]);
}

void runDialogUpDown(ScriptHost& host, const ScriptArgs& args) {
    const HWND dialog = currentDialog(host);
    dialogs(host).clickUpDown(dialog, dialogControl(host, dialog, args[0]),
                              static_cast<int>(number(args[1], "clicks")));
}

void runDialogClose(ScriptHost& host, const ScriptArgs&) {
    dialogs(host).closeFromCaption(currentDialog(host));
}

void runSave(ScriptHost& host, const ScriptArgs& args) {
    host.saveScenario(args[0]);
}

void runState(ScriptHost& host, const ScriptArgs& args) {
    host.writeState(args[0]);
}

void runSnapshot(ScriptHost& host, const ScriptArgs& args) {
    host.snapshot(MfdService::displayId(args[0]), args[1]);
}

void runWarp(ScriptHost& host, const ScriptArgs& args) {
    host.setTimeAcceleration(number(args[0], "time acceleration"));
}

void runStop(ScriptHost& host, const ScriptArgs&) {
    host.stop();
}

void noCheck(const ScriptArgs&) {}

void checkKey(const ScriptArgs& args) {
    parseKeyChord(args[1]);
}

void checkDisplay(const ScriptArgs& args) {
    MfdService::displayId(args[0]);
}

void checkClicks(const ScriptArgs& args) {
    number(args[1], "clicks");
}

void checkWarp(const ScriptArgs& args) {
    if (number(args[0], "time acceleration") <= 0.0) {
        throw Error("the time acceleration must be positive");
    }
}

void checkFileName(const ScriptArgs& args) {
    if (args[0].empty()) throw Error("the file name is empty");
}

void checkSnapshot(const ScriptArgs& args) {
    checkDisplay(args);
    if (args[1].empty() || args[1].find_first_of("/\\") != std::string::npos) {
        throw Error("a snapshot name is a plain file name without a folder");
    }
}

}  // namespace

const std::vector<ScriptVerb>& scriptVerbs() {
    static const std::vector<ScriptVerb> verbs = {
        {"key", "key <vessel> <key>, e.g. key Arvex1 Ctrl+J", 2, 2, checkKey, runKey},
        {"focus", "focus <vessel>", 1, 1, noCheck, runFocus},
        {"mfd open", "mfd open <display> <mode> [<vessel>]", 2, 3, checkDisplay, runMfdOpen},
        {"mfd close", "mfd close <display>", 1, 1, checkDisplay, runMfdClose},
        {"mfd button", "mfd button <display> <number or label>", 2, 2, checkDisplay, runMfdButton},
        {"input", "input <text>", 1, 1, noCheck, runInput},
        {"dialog open", "dialog open <vessel>", 1, 1, noCheck, runDialogOpen},
        {"dialog press", "dialog press <control>", 1, 1, noCheck, runDialogPress},
        {"dialog pick", "dialog pick <control> <entry number or text>", 2, 2, noCheck,
         runDialogPick},
        {"dialog type", "dialog type <control> <text>", 2, 2, noCheck, runDialogType},
        {"dialog updown", "dialog updown <control> <clicks>", 2, 2, checkClicks, runDialogUpDown},
        {"dialog close", "dialog close", 0, 0, noCheck, runDialogClose},
        {"save", "save <scenario file>", 1, 1, checkFileName, runSave},
        {"state", "state <json file>", 1, 1, checkFileName, runState},
        {"snapshot", "snapshot <display> <name>", 2, 2, checkSnapshot, runSnapshot},
        {"warp", "warp <time acceleration>", 1, 1, checkWarp, runWarp},
        {"stop", "stop", 0, 0, noCheck, runStop},
    };
    return verbs;
}

const ScriptVerb* findScriptVerb(std::string_view name) {
    for (const ScriptVerb& verb : scriptVerbs()) {
        if (sim::text::equalsNoCase(verb.name, name)) return &verb;
    }
    return nullptr;
}

}  // namespace app
