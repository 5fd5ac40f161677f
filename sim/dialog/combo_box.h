// The list part of a combo box. The edit field's text is the control's window text, which the
// list rewrites when its selection changes.
#pragma once

#include <string>
#include <vector>

#include "win_services.h"

namespace sim::dialog {

class ComboBox {
  public:
    // CB_* messages; anything else answers 0.
    LRESULT message(UINT msg, WPARAM wParam, LPARAM lParam, std::string& editText);

    const std::vector<std::string>& entries() const { return entries_; }
    int selection() const { return selection_; }
    // Typing into the edit field leaves no entry selected.
    void deselect() { selection_ = CB_ERR; }

  private:
    LRESULT select(WPARAM index, std::string& editText);

    std::vector<std::string> entries_;
    int selection_ = CB_ERR;
};

}  // namespace sim::dialog
