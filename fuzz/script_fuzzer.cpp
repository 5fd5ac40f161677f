// The program's script parser: the input is read as a script of pilot actions, each line's
// time or event, action and words checked as far as they can be before a flight.
#include "error.h"
#include "fuzz_home.h"
#include "script.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    try {
        app::parseScript(fuzz::asText(data, size), "fuzz.script");
    } catch (const sim::Error&) {
    }
    return 0;
}
