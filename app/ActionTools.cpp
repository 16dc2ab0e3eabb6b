#include "app/ActionTools.h"

#include <cstdlib>

namespace {

void Override(std::string& value, const char* variable) {
    const char* text = secure_getenv(variable);
    if (text != nullptr && text[0] != '\0') value = text;
}

}  // namespace

ActionTools ActionTools::FromEnvironment() {
    ActionTools tools;
    Override(tools.xdgOpen, "SCOUTREL_XDG_OPEN");
    Override(tools.gio, "SCOUTREL_GIO");
    Override(tools.umount, "SCOUTREL_UMOUNT");
    Override(tools.mountTable, "SCOUTREL_MOUNT_TABLE");
    return tools;
}
