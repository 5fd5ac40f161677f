#include "input_box.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "error.h"

namespace sim::ui {

InputBoxService::InputBoxService(Simulation&) {}

InputBoxService* InputBoxService::active() {
    Simulation* simulation = Simulation::current();
    return simulation != nullptr ? &simulation->service<InputBoxService>() : nullptr;
}

void InputBoxService::open(InputBoxRequest request) {
    box_ = std::make_unique<Box>();
    box_->request = std::move(request);
}

const InputBoxRequest* InputBoxService::current() const {
    return box_ != nullptr ? &box_->request : nullptr;
}

bool InputBoxService::enter(std::string_view text) {
    if (box_ == nullptr)
        throw Error("no input box is open to type \"" + std::string(text) + "\" into");
    // The handler may open the next box; the one answering is taken out of the way first.
    std::unique_ptr<Box> answering = std::move(box_);
    const std::size_t length = std::min(text.size(), kMaxTextLength);
    std::memcpy(answering->text, text.data(), length);
    answering->text[length] = '\0';
    const InputBoxRequest& request = answering->request;
    const bool accepted = request.handler == nullptr ||
                          request.handler(answering.get(), answering->text, request.userData);
    if (!accepted && box_ == nullptr) box_ = std::move(answering);
    return accepted;
}

void InputBoxService::cancel() {
    box_.reset();
}

}  // namespace sim::ui

void oapiOpenInputBox(const char* title, bool (*Clbk)(void*, char*, void*), const char* buf,
                      int vislen, void* usrdata) {
    sim::ui::InputBoxService* service = sim::ui::InputBoxService::active();
    if (service == nullptr) return;
    service->open(
        {title != nullptr ? title : "", Clbk, buf != nullptr ? buf : "", vislen, usrdata});
}
