#pragma once
// Base of the skinned display controls: a plain child window with drawing
// properties that paints itself double-buffered through DrawCtrl, never
// erases its background, lets a press in the top band of its parent drag the
// parent window (the borderless main window is moved by its logo and title),
// and records its client size.
#include <functional>
#include <memory>
#include <string_view>

#include "core/Bool.h"
#include "platform/Window.h"
#include "skin/CBasicPropertyFrame.h"

// A press whose parent-relative y lies above this band drags the parent.
inline constexpr int kCaptionDragHeight = 28;

class CBasicCtrl : public platform::Window, public CBasicPropertyFrame {
public:
    CBasicCtrl();
    ~CBasicCtrl() override;

    // Draws the whole control into the off-screen context. Does nothing here.
    virtual void DrawCtrl(platform::DeviceContext& dc);
    // Kept for derived controls; nothing calls it.
    virtual void ReservedCtrlHook(void* pParam);
    // The client size changed: passes the change on when m_bNotifySize is
    // set, and records the new client rectangle.
    virtual void OnSizeChanged(int nType, int cx, int cy);

    // Registers a window class of the display controls under this name,
    // with the arrow cursor and a factory for new objects. TRUE when the
    // class is new; a second registration of the same name changes nothing.
    static BOOL RegisterCtrlClass(std::string_view className,
                                  std::function<std::unique_ptr<platform::Window>()> factory);

    // Both texts: the window's own (one argument) and the drawn one with its
    // offset (three).
    using platform::Window::SetText;
    using CBasicPropertyFrame::SetText;

    BOOL m_bHover = FALSE;

protected:
    void OnPaint(platform::DeviceContext& dc) override;
    bool OnEraseBackground(platform::DeviceContext& dc) override;
    void OnLButtonDown(std::uint32_t flags, platform::Point point) override;
    void OnSize(int sizeType, int cx, int cy) override;
    void OnMouseLeave() override;

    // The frame's text, wrapped and placed by the display-text rules:
    // the offset (with -1 taken as 1) is the top-left corner and, across,
    // a margin on both sides. `extraRight` narrows the wrap width further,
    // `scrollUp` moves the text up.
    void DrawWrappedText(platform::Graphics& g, int extraRight = 0, int scrollUp = 0);
};
