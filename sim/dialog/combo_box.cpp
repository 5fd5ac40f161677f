#include "combo_box.h"

#include <cstring>

namespace sim::dialog {

LRESULT ComboBox::message(UINT msg, WPARAM wParam, LPARAM lParam, std::string& editText) {
    switch (msg) {
        case CB_RESETCONTENT:
            entries_.clear();
            selection_ = CB_ERR;
            editText.clear();
            return 0;
        case CB_ADDSTRING: {
            const char* entry = reinterpret_cast<const char*>(lParam);
            if (entry == nullptr) return CB_ERR;
            entries_.emplace_back(entry);
            return static_cast<LRESULT>(entries_.size()) - 1;
        }
        case CB_SETCURSEL:
            return select(wParam, editText);
        case CB_GETCURSEL:
            return selection_;
        case CB_GETCOUNT:
            return static_cast<LRESULT>(entries_.size());
        case CB_GETLBTEXT: {
            // As on Windows, the caller's buffer must hold the entry (no size is passed).
            char* buffer = reinterpret_cast<char*>(lParam);
            if (buffer == nullptr || wParam >= entries_.size()) return CB_ERR;
            const std::string& entry = entries_[wParam];
            std::memcpy(buffer, entry.c_str(), entry.size() + 1);
            return static_cast<LRESULT>(entry.size());
        }
        default:
            return 0;
    }
}

// An index of -1 or past the end clears the selection and the edit field and answers CB_ERR.
LRESULT ComboBox::select(WPARAM index, std::string& editText) {
    if (index >= entries_.size()) {
        selection_ = CB_ERR;
        editText.clear();
        return CB_ERR;
    }
    selection_ = static_cast<int>(index);
    editText = entries_[index];
    return selection_;
}

}  // namespace sim::dialog
