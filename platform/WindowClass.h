#pragma once
// Registered window classes: a name, the cursor shown over windows of the
// class, and a factory that makes a window object of the class. Layout code
// creates controls by class name ("StandardButton"); each control library
// registers its own classes.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

class Window;

enum class Cursor { Arrow, Hand };

struct WindowClassInfo {
    std::string name;
    Cursor cursor = Cursor::Arrow;
    // Makes a new, not yet created window object of the class; may be empty
    // for classes whose objects are made by their own code.
    std::function<std::unique_ptr<Window>()> factory;
};

class WindowClassRegistry {
public:
    // Registers a class; false (and nothing changes) when the name is taken.
    static bool Register(WindowClassInfo info);
    static const WindowClassInfo* Find(std::string_view name);
    // A new window object of the named class, or null when the class is
    // unknown or has no factory.
    static std::unique_ptr<Window> Make(std::string_view name);
};

// Names of the stock classes of this layer.
namespace classes {
inline constexpr std::string_view Window = "Window";
inline constexpr std::string_view Dialog = "Dialog";
inline constexpr std::string_view Button = "Button";
inline constexpr std::string_view ListView = "ListView";
inline constexpr std::string_view Header = "Header";
inline constexpr std::string_view ScrollBar = "ScrollBar";
inline constexpr std::string_view ToolTip = "ToolTip";
}  // namespace classes

}  // namespace platform
