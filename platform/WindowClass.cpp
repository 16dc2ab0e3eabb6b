#include "platform/WindowClass.h"

#include <map>

#include "platform/Window.h"

namespace platform {

void RegisterStockClasses();  // StockClasses.cpp

namespace {
std::map<std::string, WindowClassInfo, std::less<>>& Classes() {
    static std::map<std::string, WindowClassInfo, std::less<>> classes;
    return classes;
}

void EnsureStockClasses() {
    // Marked done first, so that the stock registration can call Register.
    static bool done = false;
    if (!done) {
        done = true;
        RegisterStockClasses();
    }
}
}  // namespace

bool WindowClassRegistry::Register(WindowClassInfo info) {
    EnsureStockClasses();
    auto& classes = Classes();
    if (info.name.empty() || classes.count(info.name)) return false;
    std::string name = info.name;
    classes.emplace(std::move(name), std::move(info));
    return true;
}

const WindowClassInfo* WindowClassRegistry::Find(std::string_view name) {
    EnsureStockClasses();
    auto& classes = Classes();
    auto it = classes.find(name);
    return it == classes.end() ? nullptr : &it->second;
}

std::unique_ptr<Window> WindowClassRegistry::Make(std::string_view name) {
    const WindowClassInfo* info = Find(name);
    if (!info || !info->factory) return nullptr;
    return info->factory();
}

}  // namespace platform
