// The host's one-line text input box (oapiOpenInputBox). One box is open at a time; opening
// another replaces it. The pilot's text goes to the box's handler when confirmed, and the
// handler's answer decides whether the box closes: false keeps it open for a correction.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "simulation.h"

namespace sim::ui {

using InputHandler = bool (*)(void* box, char* text, void* userData);

struct InputBoxRequest {
    std::string title;
    InputHandler handler = nullptr;
    std::string initialText;
    int visibleLength = 20;  // [characters]
    void* userData = nullptr;
};

class InputBoxService : public Service {
  public:
    static constexpr std::size_t kMaxTextLength = 127;  // longer entries are cut [characters]

    explicit InputBoxService(Simulation& simulation);
    // The active simulation's, or nullptr when none is active.
    static InputBoxService* active();

    void open(InputBoxRequest request);
    bool isOpen() const { return box_ != nullptr; }
    const InputBoxRequest* current() const;  // nullptr when no box is open

    // The pilot types `text` and confirms it. Returns whether the box closed (the handler
    // accepted the text). Throws sim::Error when no box is open.
    bool enter(std::string_view text);
    // Escape: the box closes without its handler.
    void cancel();

    void shutdown() override { box_.reset(); }

  private:
    struct Box {
        InputBoxRequest request;
        char text[kMaxTextLength + 1] = {};  // the host's buffer the handler receives
    };
    std::unique_ptr<Box> box_;
};

}  // namespace sim::ui
