// A block of scenario lines handed to a module (FILEHANDLE of clbkLoadStateEx, MFD ReadStatus):
// oapiReadScenario_nextline walks it, comments removed and blanks trimmed, until "END".
#pragma once

#include <string>
#include <vector>

#include "host_file.h"
#include "scenario_file.h"

namespace sim {

class ScenarioCursor : public HostFile {
  public:
    ScenarioCursor(std::string source, std::vector<ScenarioLine> lines)
        : source_(std::move(source)), lines_(std::move(lines)) {}

    // The next line, or nullptr at the end of the block or at a line "END". The text stays
    // valid until the next call.
    char* nextLine();

    // "<file>:<line>" of the line returned last, for messages.
    std::string location() const;

  private:
    std::string source_;
    std::vector<ScenarioLine> lines_;
    std::size_t next_ = 0;
    int currentNumber_ = 0;
    std::string buffer_;
};

}  // namespace sim
