#pragma once
// Tooltip: a small text box that appears near the pointer once it has
// rested over one of the tool windows, and goes away when the pointer
// leaves the tool, presses a button, or after a while. The tip window lies
// on top of the tool's top-level window and is transparent to the mouse.
#include <string>
#include <vector>

#include "platform/Host.h"
#include "platform/Window.h"

namespace platform {

class ToolTip : public Window, private Host::InputObserver {
public:
    static constexpr int kInitialDelayMs = 500;
    static constexpr int kAutoPopMs = 5000;
    // The tip shows this far below the pointer.
    static constexpr int kPointerGap = 20;

    ToolTip();
    ~ToolTip() override;

    // Creates the (hidden) tip window for tools inside owner's top-level
    // window.
    bool Create(Window* owner);
    void AddTool(Window& tool, std::string text);
    void UpdateTipText(Window& tool, std::string text);
    void RemoveTool(Window& tool);
    // An inactive tooltip never shows.
    void Activate(bool active);
    bool IsShowing() const { return IsVisible(); }
    const std::string& ShownText() const { return Text(); }

protected:
    void OnPaint(DeviceContext& dc) override;
    void OnTimer(std::uintptr_t id) override;
    int OnNcHitTest(Point screenPoint) override;
    std::string_view DefaultClassName() const override { return classes::ToolTip; }

private:
    struct Tool {
        WindowRef window;
        std::string text;
    };
    void ObserveInput(Window& target, const Message& message) override;
    void ObservePointerLeft(Window& window) override;
    Tool* FindTool(const Window* window);
    void Pop();
    void ShowFor(Tool& tool);

    std::vector<Tool> tools_;
    WindowRef restingOn_;
    Point restPoint_;
    bool active_ = true;
    bool observing_ = false;
};

}  // namespace platform
