#include "scenario_cursor.h"

#include "text.h"

namespace sim {

char* ScenarioCursor::nextLine() {
    if (next_ >= lines_.size()) return nullptr;
    const ScenarioLine& line = lines_[next_++];
    currentNumber_ = line.number;
    buffer_ = std::string(text::trim(text::stripComment(line.text)));
    if (text::equalsNoCase(buffer_, "END")) {
        next_ = lines_.size();
        return nullptr;
    }
    return buffer_.data();
}

std::string ScenarioCursor::location() const {
    return source_ + ":" + std::to_string(currentNumber_);
}

}  // namespace sim
