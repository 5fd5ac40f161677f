#include "script.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include "error.h"
#include "script_verbs.h"
#include "text.h"

namespace app {

namespace {

using sim::Error;

// The position of the first `c` outside double quotes, or npos.
std::size_t findUnquoted(std::string_view text, char c) {
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') quoted = !quoted;
        if (text[i] == c && !quoted) return i;
    }
    return std::string_view::npos;
}

double seconds(std::string_view word) {
    word = sim::text::trim(word);
    double value = 0.0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size() || value < 0.0) {
        throw Error("\"" + std::string(word) + "\" is not a time in seconds (0 or more)");
    }
    return value;
}

std::string eventNames() {
    std::string names;
    for (const EventType& type : kEventTypes) {
        names += (names.empty() ? "" : ", ") + std::string(type.name);
    }
    return names;
}

// "at 12.5" or "after booster separation + 5".
ScriptTrigger parseTrigger(std::string_view text) {
    const auto words = splitWords(text);
    ScriptTrigger trigger;
    if (words.size() == 2 && sim::text::equalsNoCase(words[0], "at")) {
        trigger.at = seconds(words[1]);
        return trigger;
    }
    if (words.size() >= 2 && sim::text::equalsNoCase(words[0], "after")) {
        std::string_view rest = sim::text::trim(text).substr(words[0].size());
        const auto plus = rest.find('+');
        if (plus != std::string_view::npos) trigger.delay = seconds(rest.substr(plus + 1));
        const std::string_view name = sim::text::trim(rest.substr(0, plus));
        trigger.after = findEventType(name);
        if (trigger.after == nullptr) {
            throw Error("\"" + std::string(name) + "\" is not a flight event (" + eventNames() +
                        ")");
        }
        return trigger;
    }
    throw Error(
        "\"" + std::string(text) +
        "\" is not a time (\"at <seconds>\") or an event (\"after <event> [+ <seconds>]\")");
}

ScriptAction parseAction(std::string_view line) {
    const auto colon = findUnquoted(line, ':');
    if (colon == std::string_view::npos) {
        throw Error("expected \"<when>: <action>\", e.g. \"at 10: key Arvex1 J\"");
    }
    ScriptAction action;
    action.trigger = parseTrigger(line.substr(0, colon));
    auto words = splitWords(line.substr(colon + 1));
    if (words.empty()) throw Error("no action after the ':'");
    const ScriptVerb* verb = nullptr;
    std::size_t verbWords = 0;
    if (words.size() >= 2) verb = findScriptVerb(words[0] + " " + words[1]);
    verbWords = verb != nullptr ? 2 : 1;
    if (verb == nullptr) verb = findScriptVerb(words[0]);
    if (verb == nullptr) {
        std::string known;
        for (const ScriptVerb& v : scriptVerbs()) {
            known += (known.empty() ? "" : ", ") + std::string(v.name);
        }
        throw Error("\"" + words[0] + "\" is not an action (" + known + ")");
    }
    action.verb = verb->name;
    action.args.assign(words.begin() + static_cast<std::ptrdiff_t>(verbWords), words.end());
    if (action.args.size() < verb->minArgs || action.args.size() > verb->maxArgs) {
        throw Error("wrong number of words; usage: " + std::string(verb->usage) +
                    " (quote texts with blanks)");
    }
    verb->check(action.args);
    return action;
}

}  // namespace

std::vector<std::string> splitWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;  // "" is an empty word
        } else if ((c == ' ' || c == '\t' || c == '\r') && !quoted) {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted) throw Error("a quote is not closed");
    if (inWord) words.push_back(std::move(word));
    return words;
}

Script parseScript(std::string_view text, const std::string& file) {
    Script script{file, {}};
    int lineNumber = 0;
    sim::text::forEachLine(text, [&](std::string_view raw) {
        ++lineNumber;
        const auto hash = findUnquoted(raw, '#');
        const std::string_view line = sim::text::trim(raw.substr(0, hash));
        if (line.empty()) return;
        try {
            script.actions.push_back(parseAction(line));
            script.actions.back().line = lineNumber;
        } catch (const Error& e) {
            throw Error(file + ":" + std::to_string(lineNumber) + ": " + e.what());
        }
    });
    return script;
}

Script readScript(const std::filesystem::path& path, const std::string& name) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error(name + ": cannot read the script");
    std::ostringstream text;
    text << in.rdbuf();
    return parseScript(text.str(), name);
}

}  // namespace app
