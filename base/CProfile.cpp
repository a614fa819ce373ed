#include "CProfile.h"

#include "Paths.h"

namespace vt {

std::string defaultProfilePath() {
    std::string explicitPath = envOr("VERBATROVE_PROFILE", "");
    if (!explicitPath.empty())
        return fromFsName(explicitPath);
    std::string config = envOr("XDG_CONFIG_HOME", "");
    if (config.empty())
        config = joinPath(envOr("HOME", "."), ".config");
    return fromFsName(joinPath(joinPath(config, "verbatrove"), "verbatrove.ini"));
}

} // namespace vt
