#include "scenario_file.h"

#include <cmath>
#include <cstdio>

#include "error.h"
#include "text.h"

namespace sim {

namespace {

// Modified Julian date = Julian date - 2400000.5 [days]
constexpr double kMjdOffset = 2400000.5;

class Parser {
  public:
    Parser(std::string_view content, const std::string& source) : source_(source) {
        int number = 0;
        text::forEachLine(content, [&](std::string_view line) {
            lines_.push_back({++number, std::string(line)});
        });
    }

    ScenarioFile run() {
        ScenarioFile file;
        file.source = source_;
        while (const ScenarioLine* line = next()) {
            const std::string_view t = text::trim(text::stripComment(line->text));
            if (t.empty()) continue;
            if (isDescriptionHeader(t)) {
                readDescription(*line, file);
            } else if (text::equalsNoCase(t, "BEGIN_ENVIRONMENT")) {
                readEnvironment(*line, file);
            } else if (text::equalsNoCase(t, "BEGIN_FOCUS")) {
                readFocus(*line, file);
            } else if (text::equalsNoCase(t, "BEGIN_SHIPS")) {
                readShips(*line, file);
            } else if (text::startsWithNoCase(t, "BEGIN_")) {
                readOtherBlock(*line, t, file);
            } else {
                fail(*line, "unexpected line \"" + std::string(t) + "\" outside any block");
            }
        }
        return file;
    }

  private:
    static bool isDescriptionHeader(std::string_view t) {
        return text::equalsNoCase(t, "BEGIN_DESC") || text::equalsNoCase(t, "BEGIN_HYPERDESC") ||
               text::equalsNoCase(t, "BEGIN_URLDESC");
    }

    const ScenarioLine* next() { return pos_ < lines_.size() ? &lines_[pos_++] : nullptr; }

    [[noreturn]] void fail(const ScenarioLine& line, const std::string& what) const {
        throw Error(source_ + ":" + std::to_string(line.number) + ": " + what);
    }

    // The next line of the block opened at `header`; fails at the end of the file.
    const ScenarioLine& blockLine(const ScenarioLine& header, std::string_view endKey) {
        const ScenarioLine* line = next();
        if (line == nullptr)
            fail(header, "block \"" + std::string(text::trim(header.text)) + "\" has no " +
                             std::string(endKey));
        return *line;
    }

    static bool isEnd(const ScenarioLine& line, std::string_view endKey) {
        return text::equalsNoCase(text::trim(text::stripComment(line.text)), endKey);
    }

    void readDescription(const ScenarioLine& header, ScenarioFile& file) {
        for (;;) {
            const ScenarioLine& line = blockLine(header, "END_DESC");
            if (text::startsWithNoCase(text::trim(line.text), "END_DESC") ||
                text::startsWithNoCase(text::trim(line.text), "END_HYPERDESC") ||
                text::startsWithNoCase(text::trim(line.text), "END_URLDESC")) {
                return;
            }
            file.description.push_back(line.text);
        }
    }

    void readEnvironment(const ScenarioLine& header, ScenarioFile& file) {
        for (;;) {
            const ScenarioLine& line = blockLine(header, "END_ENVIRONMENT");
            if (isEnd(line, "END_ENVIRONMENT")) return;
            const std::string t(text::trim(text::stripComment(line.text)));
            if (text::startsWithNoCase(t, "System")) {
                file.system = std::string(text::trim(std::string_view(t).substr(6)));
            } else if (text::startsWithNoCase(t, "Date")) {
                file.mjd = readDate(line, std::string(text::trim(std::string_view(t).substr(4))));
            }
        }
    }

    double readDate(const ScenarioLine& line, const std::string& spec) {
        double value = 0.0;
        char kind[8] = {};
        // A date beyond the range of numbers would leave the Earth's rotation, and every
        // vessel's place, undefined.
        if (std::sscanf(spec.c_str(), "%7s %lf", kind, &value) != 2 || !std::isfinite(value))
            fail(line, "unreadable date \"" + spec + "\"");
        if (text::equalsNoCase(kind, "MJD")) return value;
        if (text::equalsNoCase(kind, "JD")) return value - kMjdOffset;
        fail(line, "unknown date kind \"" + std::string(kind) + "\" (expected MJD or JD)");
    }

    void readFocus(const ScenarioLine& header, ScenarioFile& file) {
        for (;;) {
            const ScenarioLine& line = blockLine(header, "END_FOCUS");
            if (isEnd(line, "END_FOCUS")) return;
            const std::string_view t = text::trim(text::stripComment(line.text));
            if (text::startsWithNoCase(t, "Ship"))
                file.focus = std::string(text::trim(t.substr(4)));
        }
    }

    void readShips(const ScenarioLine& header, ScenarioFile& file) {
        for (;;) {
            const ScenarioLine& line = blockLine(header, "END_SHIPS");
            if (isEnd(line, "END_SHIPS")) return;
            const std::string_view t = text::trim(line.text);
            if (t.empty() || t.front() == ';') continue;
            ShipBlock ship;
            ship.headerLine = line.number;
            const auto colon = t.find(':');
            ship.name = std::string(text::trim(t.substr(0, colon)));
            ship.className =
                colon == std::string_view::npos ? ship.name : std::string(t.substr(colon + 1));
            if (ship.name.empty())
                fail(line, "vessel line \"" + std::string(t) + "\" has no vessel name");
            if (ship.className.empty())
                fail(line, "vessel \"" + ship.name + "\" has an empty class name");
            for (;;) {
                const ScenarioLine& body = blockLine(line, "END");
                if (isEnd(body, "END")) break;
                if (isEnd(body, "END_SHIPS"))
                    fail(body, "vessel \"" + ship.name + "\" has no END line");
                ship.lines.push_back(body);
            }
            file.ships.push_back(std::move(ship));
        }
    }

    void readOtherBlock(const ScenarioLine& header, std::string_view t, ScenarioFile& file) {
        const std::string_view word = t.substr(0, t.find_first_of(" \t"));
        const std::string endKey = "END_" + std::string(word.substr(6));
        std::vector<std::string> block{header.text};
        for (;;) {
            const ScenarioLine& line = blockLine(header, endKey);
            block.push_back(line.text);
            if (isEnd(line, endKey) || isEnd(line, "END")) break;
        }
        file.otherBlocks.push_back(std::move(block));
    }

    std::string source_;
    std::vector<ScenarioLine> lines_;
    std::size_t pos_ = 0;
};

}  // namespace

ScenarioFile ScenarioFile::parse(std::string_view content, const std::string& source) {
    return Parser(content, source).run();
}

}  // namespace sim
