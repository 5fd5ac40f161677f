// Reading class configurations and scenario blocks, writing scenario lines.
#include <cstring>

#include "config_file.h"
#include "scenario_cursor.h"
#include "scenario_writer.h"

namespace {

// The host reads configuration lines of at most 511 characters.
constexpr std::size_t kMaxItemValue = 511;

const sim::ConfigFile* config(FILEHANDLE f) {
    return sim::fileFromHandle<sim::ConfigFile>(f);
}

template <typename T>
bool assignIf(const std::optional<T>& value, T& out) {
    if (!value) return false;
    out = *value;
    return true;
}

}  // namespace

bool oapiReadItem_string(FILEHANDLE f, const char* item, char* string) {
    const sim::ConfigFile* file = config(f);
    if (file == nullptr || item == nullptr || string == nullptr) return false;
    const auto value = file->readString(item);
    if (!value) return false;
    const std::size_t n = std::min(value->size(), kMaxItemValue);
    std::memcpy(string, value->data(), n);
    string[n] = '\0';
    return true;
}

bool oapiReadItem_float(FILEHANDLE f, const char* item, double& val) {
    const sim::ConfigFile* file = config(f);
    return file != nullptr && item != nullptr && assignIf(file->readFloat(item), val);
}

bool oapiReadItem_int(FILEHANDLE f, const char* item, int& val) {
    const sim::ConfigFile* file = config(f);
    return file != nullptr && item != nullptr && assignIf(file->readInt(item), val);
}

bool oapiReadItem_bool(FILEHANDLE f, const char* item, bool& val) {
    const sim::ConfigFile* file = config(f);
    return file != nullptr && item != nullptr && assignIf(file->readBool(item), val);
}

bool oapiReadItem_vec(FILEHANDLE f, const char* item, VECTOR3& val) {
    const sim::ConfigFile* file = config(f);
    if (file == nullptr || item == nullptr) return false;
    const auto n = file->readNumbers(item, 3);
    if (!n) return false;
    val = _V((*n)[0], (*n)[1], (*n)[2]);
    return true;
}

bool oapiReadScenario_nextline(FILEHANDLE scn, char*& line) {
    sim::ScenarioCursor* cursor = sim::fileFromHandle<sim::ScenarioCursor>(scn);
    char* next = cursor != nullptr ? cursor->nextLine() : nullptr;
    if (next == nullptr) return false;
    line = next;
    return true;
}

namespace {

void writeItem(FILEHANDLE scn, const char* item, const std::string& value) {
    if (sim::ScenarioWriter* out = sim::fileFromHandle<sim::ScenarioWriter>(scn);
        out != nullptr && item != nullptr) {
        out->item(item, value);
    }
}

}  // namespace

void oapiWriteScenario_string(FILEHANDLE scn, const char* item, const char* string) {
    writeItem(scn, item, string != nullptr ? string : "");
}

void oapiWriteScenario_int(FILEHANDLE scn, const char* item, int i) {
    writeItem(scn, item, std::to_string(i));
}

void oapiWriteScenario_float(FILEHANDLE scn, const char* item, double d) {
    writeItem(scn, item, sim::formatScenarioFloat(d));
}

void oapiWriteScenario_vec(FILEHANDLE scn, const char* item, const VECTOR3& vec) {
    writeItem(scn, item,
              sim::formatScenarioFloat(vec.x) + " " + sim::formatScenarioFloat(vec.y) + " " +
                  sim::formatScenarioFloat(vec.z));
}

void oapiWriteLine(FILEHANDLE file, const char* line) {
    if (sim::ScenarioWriter* out = sim::fileFromHandle<sim::ScenarioWriter>(file);
        out != nullptr && line != nullptr) {
        out->line(line);
    }
}
