// The window classes this layer itself provides, registered on the first
// use of the class registry.
#include "platform/Button.h"
#include "platform/Dialog.h"
#include "platform/Header.h"
#include "platform/ListView.h"
#include "platform/ScrollBar.h"
#include "platform/ToolTip.h"
#include "platform/WindowClass.h"

namespace platform {

namespace {
template <class T>
void RegisterStock(std::string_view name, Cursor cursor = Cursor::Arrow) {
    WindowClassRegistry::Register({std::string(name), cursor, [] { return std::make_unique<T>(); }});
}
}  // namespace

void RegisterStockClasses() {
    RegisterStock<Window>(classes::Window);
    RegisterStock<Dialog>(classes::Dialog);
    RegisterStock<Button>(classes::Button);
    RegisterStock<ListView>(classes::ListView);
    RegisterStock<Header>(classes::Header);
    RegisterStock<ScrollBar>(classes::ScrollBar);
    RegisterStock<ToolTip>(classes::ToolTip);
}

}  // namespace platform
