#include "up_down.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "control.h"

namespace sim::dialog {

LRESULT UpDown::message(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case UDM_SETRANGE32:
            low_ = static_cast<int>(wParam);
            high_ = static_cast<int>(lParam);
            return 0;
        case UDM_GETRANGE32:
            if (int* low = reinterpret_cast<int*>(wParam)) *low = low_;
            if (int* high = reinterpret_cast<int*>(lParam)) *high = high_;
            return 0;
        case UDM_SETPOS32: {
            const int previous = position_;
            position_ = clamped(static_cast<int>(lParam));
            showPosition();
            return previous;
        }
        case UDM_GETPOS32: {
            const bool valid = takeBuddyPosition();
            if (BOOL* error = reinterpret_cast<BOOL*>(lParam)) *error = valid ? FALSE : TRUE;
            return position_;
        }
        default:
            return 0;
    }
}

bool UpDown::takeBuddyPosition() {
    if (!buddyShowsPosition()) return true;
    int typed = 0;
    if (!readBuddy(typed)) return false;
    position_ = typed;
    return true;
}

int UpDown::arrowDelta(bool up) const {
    const int towardsHigh = high_ < low_ ? -1 : 1;
    return up ? towardsHigh : -towardsHigh;
}

void UpDown::step(int delta) {
    position_ = clamped(static_cast<long long>(position_) + delta);
    showPosition();
}

// A whole number within the range, and nothing else, counts as the buddy's position.
bool UpDown::readBuddy(int& value) const {
    const std::string& text = buddy_->text();
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || clamped(parsed) != parsed) return false;
    value = static_cast<int>(parsed);
    return true;
}

void UpDown::showPosition() {
    if (buddyShowsPosition()) buddy_->setText(std::to_string(position_));
}

int UpDown::clamped(long long value) const {
    return static_cast<int>(
        std::clamp<long long>(value, std::min(low_, high_), std::max(low_, high_)));
}

}  // namespace sim::dialog
