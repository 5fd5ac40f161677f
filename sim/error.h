// The one exception type of the host: bad input (a missing class configuration, a malformed
// scenario line, a module that cannot be loaded). Its message is one line naming the file and
// line, vessel or module at fault, ready to be printed as it stands.
#pragma once

#include <stdexcept>
#include <string>

namespace sim {

class Error : public std::runtime_error {
  public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace sim
