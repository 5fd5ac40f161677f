// The class configuration reader: the input is read as a class configuration file, and every
// item the host and the modules ask for is read back through the host's item functions, each in
// every type, strings into buffers of the size the modules give them.
#include <array>
#include <vector>

#include "config_file.h"
#include "fuzz_home.h"

namespace {

// The longest item value the host hands out, with its terminator, as the modules size it.
constexpr std::size_t kItemBuffer = 512;

constexpr std::array<const char*, 12> kItems = {"Module", "Mode",      "Fairing", "Gimble",
                                                "Offset", "Adapter",   "Config",  "Mass",
                                                "Size",   "ClassName", "Parts",   ""};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    sim::ConfigFile config = sim::ConfigFile::parse(fuzz::asText(data, size), "fuzz.cfg");
    const FILEHANDLE file = config.handle();
    std::vector<char> text(kItemBuffer);
    for (const char* item : kItems) {
        double real = 0.0;
        int integer = 0;
        bool flag = false;
        VECTOR3 vector{};
        oapiReadItem_string(file, item, text.data());
        oapiReadItem_float(file, item, real);
        oapiReadItem_int(file, item, integer);
        oapiReadItem_bool(file, item, flag);
        oapiReadItem_vec(file, item, vector);
    }
    return 0;
}
