// The window classes this layer itself provides, registered on the first
// use of the class registry.
#include "platform/Dialog.h"
#include "platform/WindowClass.h"

namespace platform {

void RegisterStockClasses() {
    WindowClassRegistry::Register({std::string(classes::Window), Cursor::Arrow, [] { return std::make_unique<Window>(); }});
    WindowClassRegistry::Register({std::string(classes::Dialog), Cursor::Arrow, [] { return std::make_unique<Dialog>(); }});
}

}  // namespace platform
