// Parses arbitrary bytes as a skin INI file and reads every key an element section has.
#include "skin/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vt::IniFile ini;
    ini.parse(std::string(reinterpret_cast<const char*>(data), size));
    static const char* const keys[] = {
        "image",   "name",      "left",      "top",     "right",    "bottom",           "statenormal",
        "stateup", "statedown", "stategray", "actions", "vertical", "transparentcolor", "group"};
    for (const char* section : {"View0", "Button0", "Button49", "Layout"}) {
        for (const char* key : keys) {
            std::string v = ini.value(section, key);
            if (v.size() > vt::IniFile::kMaxValue)
                __builtin_trap();
            (void)ini.intValue(section, key, -1);
        }
    }
    return 0;
}
