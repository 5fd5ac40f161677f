// An up-down control (msctls_updown32): a position within a range, stepped by its arrows.
// With UDS_SETBUDDYINT it shows its position as a whole number in its buddy's text, and it
// takes a whole number typed into the buddy as its position before it steps.
#pragma once

#include "win_services.h"

namespace sim::dialog {

class Control;

class UpDown {
  public:
    UpDown(DWORD style, Control* buddy) : style_(style), buddy_(buddy) {}

    // UDM_*32 messages; anything else answers 0.
    LRESULT message(UINT msg, WPARAM wParam, LPARAM lParam);

    int position() const { return position_; }

    // Takes a whole number within the range from the buddy as the position; false when the
    // buddy shows anything else (the position then stays).
    bool takeBuddyPosition();
    // One press of an arrow, in two halves around the notification the dialog receives:
    // arrowDelta() is the step to announce, step() applies it, clamped to the range, and shows
    // the new position.
    int arrowDelta(bool up) const;
    void step(int delta);

  private:
    bool buddyShowsPosition() const { return buddy_ != nullptr && (style_ & UDS_SETBUDDYINT) != 0; }
    bool readBuddy(int& value) const;
    void showPosition();
    int clamped(long long value) const;

    DWORD style_;
    Control* buddy_;
    // Windows' default range runs from 100 down to 0, so that the up arrow lowers the position.
    int low_ = 100;
    int high_ = 0;
    int position_ = 0;
};

}  // namespace sim::dialog
