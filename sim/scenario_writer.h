// A scenario being written (FILEHANDLE of clbkSaveState and the oapiWriteScenario_* functions).
#pragma once

#include <string>
#include <string_view>

#include "host_file.h"

namespace sim {

class ScenarioWriter : public HostFile {
  public:
    void line(std::string_view text);                         // as is
    void item(std::string_view key, std::string_view value);  // "  key value"
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

// 6 decimals with trailing zeros removed but one kept: 1 → "1.0", 0.25 → "0.25", 1e-7 → "0.0".
std::string formatScenarioFloat(double value);
// Fixed notation with `decimals` digits after the point; never "-0.000".
std::string formatFixed(double value, int decimals);

// Writes `content` to `path` whole or not at all: into a temporary file beside it, then renamed
// over it. Throws sim::Error naming the file.
void writeFileAtomically(const std::string& path, std::string_view content);

}  // namespace sim
