#pragma once
// A window: a rectangle in a tree of windows that receives messages and
// paints itself. Top-level windows (no WS_CHILD) are shown by the host and
// own a back store, an ARGB32 bitmap of their size that all windows of the
// tree paint into. Child windows lie in their parent's client area.
//
// Messages go through HandleMessage, which maps each number to one virtual
// handler below; the handlers do nothing (or the stock behaviour) unless a
// derived class overrides them, and an override calls the base version for
// the default processing. Handlers never paint: they invalidate, and the
// next flush (or Update()) paints every invalid window into the back store,
// parents before children, siblings in z-order.
//
// Ownership: a child made with CreateChild(std::unique_ptr) belongs to its
// parent and is deleted when it or its parent is destroyed (after the
// current message has returned). A window made with Create() on an object
// the caller holds belongs to the caller; deleting the object destroys its
// window, destroying the parent only destroys the window, never the object.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Color.h"
#include "platform/DeviceContext.h"
#include "platform/Geometry.h"
#include "platform/Messages.h"
#include "platform/Region.h"
#include "platform/Styles.h"
#include "platform/WindowClass.h"
#include "platform/WindowRef.h"

namespace platform {

class Font;
class Picture;
class Host;

// WM_NOTIFY: what every notification starts with.
struct NotifyHeader {
    Window* from = nullptr;
    int idFrom = 0;
    int code = 0;
};

// WM_DRAWITEM: an owner-drawn control asks to be drawn. The parent's
// default handling hands the request back to the control (DrawItem).
struct DrawItemRequest {
    std::uint32_t controlType = 0;  // ODT_BUTTON
    int controlId = 0;
    std::uint32_t itemAction = ODA_DRAWENTIRE;
    std::uint32_t itemState = 0;    // ODS_SELECTED, ODS_DISABLED, ODS_FOCUS
    Window* control = nullptr;
    DeviceContext* dc = nullptr;    // the control's paint context
    Rect itemRect;                  // the control's client rectangle
};

// WM_CTLCOLOR: a control asks its parent for the colours to paint with.
// The handler may set the text colour on dc and returns a background colour.
struct ControlColorRequest {
    DeviceContext* dc = nullptr;
    Window* control = nullptr;
    int kind = 0;  // CTLCOLOR_DLG, CTLCOLOR_BTN, CTLCOLOR_STATIC
    std::optional<Argb> background;
};

class Window {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // --- Creation and destruction -------------------------------------
    // Creates the window of this object: a child of parent when style has
    // WS_CHILD, else a top-level window (owned by parent, if given) whose
    // rectangle is in screen coordinates. Sends WM_NCCALCSIZE, WM_CREATE
    // (a handler result of -1 fails the creation), WM_SIZE and WM_MOVE.
    bool Create(Window* parent, const Rect& rect, Style style, int controlId = 0, std::string_view text = {});
    // The same with a registered class name: takes the class's cursor; fails
    // when the class is not registered.
    bool CreateEx(std::string_view className, std::string_view text, Style style, const Rect& rect,
                  Window* parent, int controlId);
    // Creates an owned child: the parent keeps the object until the child
    // or the parent is destroyed. Returns the child, or null (and the object
    // is gone) when creation failed.
    template <class T>
    T* CreateChild(std::unique_ptr<T> child, const Rect& rect, Style style, int controlId = 0,
                   std::string_view text = {}) {
        T* raw = child.get();
        if (!AdoptAndCreate(std::unique_ptr<Window>(child.release()), rect, style | WS_CHILD, controlId, text))
            return nullptr;
        return raw;
    }
    // Destroys the window: WM_DESTROY to it and its descendants, children
    // destroyed, unlinked from the tree. An owned object is deleted after the
    // message being handled returns.
    void Destroy();
    bool IsCreated() const { return created_; }
    WindowRef Ref() const { return WindowRef(token_); }

    // --- Class --------------------------------------------------------
    const std::string& ClassName() const { return className_; }
    Cursor GetCursor() const { return cursor_; }
    void SetCursor(Cursor cursor) { cursor_ = cursor; }

    // --- Tree ---------------------------------------------------------
    Window* Parent() const { return parent_; }  // the parent of a child, the owner of a top-level window
    bool IsTopLevel() const { return (style_ & WS_CHILD) == 0; }
    Window* TopLevel();
    const Window* TopLevel() const;
    // Children in z-order, bottom first.
    const std::vector<Window*>& Children() const { return children_; }
    // The direct child with this control id, or null.
    Window* FindChild(int controlId) const;
    // The next (or previous) control of control's group among this window's
    // children, wrapping around inside the group; a group starts at a
    // child with WS_GROUP. Returns control itself when it is alone.
    Window* NextInGroup(Window* control, bool previous) const;
    bool IsAncestorOf(const Window* other) const;
    int ControlId() const { return controlId_; }
    void SetControlId(int id) { controlId_ = id; }
    // Moves the window to the top of its siblings' z-order.
    void BringToTop();

    // --- Style, text ----------------------------------------------------
    Style GetStyle() const { return style_; }
    void SetStyle(Style style) { style_ = style; }
    void ModifyStyle(Style remove, Style add) { style_ = (style_ & ~remove) | add; }
    std::uint32_t GetExStyle() const { return exStyle_; }
    void SetExStyle(std::uint32_t exStyle) { exStyle_ = exStyle; }
    const std::string& Text() const { return text_; }
    void SetText(std::string_view text);

    // --- Geometry -------------------------------------------------------
    // The window rectangle in its parent's client coordinates (screen
    // coordinates for a top-level window).
    Rect RectInParent() const { return rect_; }
    // The window rectangle in screen coordinates.
    Rect WindowRect() const;
    // The client area, always at (0, 0).
    Rect ClientRect() const { return {0, 0, clientInWindow_.Width(), clientInWindow_.Height()}; }
    // Where the client area lies inside the window rectangle (the
    // non-client border, from WM_NCCALCSIZE).
    Rect ClientRectInWindow() const { return clientInWindow_; }
    Point ClientToScreen(Point p) const;
    Rect ClientToScreen(const Rect& r) const;
    Point ScreenToClient(Point p) const;
    Rect ScreenToClient(const Rect& r) const;
    // Moves and sizes the window (parent client coordinates, screen for a
    // top-level window); sends WM_NCCALCSIZE, then WM_MOVE and WM_SIZE for
    // what changed. With repaint, the old and the new place are repainted.
    void Move(const Rect& rect, bool repaint = true);
    void Move(int x, int y, int width, int height, bool repaint = true) { Move(Rect::FromXywh(x, y, width, height), repaint); }
    // Recomputes the client area (WM_NCCALCSIZE) after a style change.
    void RecalcFrame();
    // The outline of a top-level window in window coordinates; pixels
    // outside it are not part of the window (not drawn on screen, no input).
    void SetRegion(std::optional<Region> region, bool redraw = true);
    const std::optional<Region>& GetRegion() const { return region_; }

    // --- Visibility and input ----------------------------------------------
    void Show(int showCommand);
    bool IsVisible() const { return (style_ & WS_VISIBLE) != 0; }
    // Visible itself and every ancestor up to its top-level window.
    bool IsShownInTree() const;
    void Enable(bool enable);
    bool IsEnabled() const { return (style_ & WS_DISABLED) == 0; }
    // Enabled itself and all its ancestors up to the top-level window.
    bool IsEnabledInTree() const;
    void SetFocus();
    bool HasFocus() const;
    static Window* Focus();
    void SetCapture();
    void ReleaseCapture();
    bool HasCapture() const;
    static Window* Capture();
    // Asks for WM_MOUSEHOVER once the pointer rests hoverMs over the window
    // (TME_HOVER) and for one WM_MOUSELEAVE when it leaves (TME_LEAVE).
    // When the pointer is not over the window, WM_MOUSELEAVE comes at once.
    bool TrackMouse(std::uint32_t flags, int hoverMs);
    // Where the pointer is, in this window's client coordinates.
    Point PointerInClient() const;
    // Raises the top-level window to the front of the screen.
    void BringToFront();
    void SetIcon(const Picture* icon);

    // --- Painting -------------------------------------------------------------
    void Invalidate(bool erase = true);
    void InvalidateRect(const Rect& clientRect, bool erase = true);
    bool NeedsPaint() const { return needsPaint_; }
    // Paints every invalid window of this window's top-level tree now.
    void Update();
    // A context on the back store at the client area, clipped to it.
    DeviceContext GetClientDC();
    // A context on the back store at the window rectangle (non-client
    // area included), clipped to it.
    DeviceContext GetWindowDC();
    // The back store of a top-level window (null for children).
    const Bitmap* BackStore() const { return backStore_ ? &*backStore_ : nullptr; }
    // The window's pixels as last painted, copied out of the back store.
    Bitmap Snapshot() const;
    // Background colour used by the default WM_ERASEBKGND handling; none
    // means the background is left alone.
    void SetBackgroundColor(std::optional<Argb> color) { background_ = color; }
    std::optional<Argb> BackgroundColor() const { return background_; }

    // --- Font -----------------------------------------------------------------
    // Sends WM_SETFONT; the font belongs to the caller and must outlive its
    // use by the window.
    void SetFont(const Font* font, bool redraw = true);
    const Font* GetFont() const { return font_; }
    // The window's font, or the default font when none was set.
    const Font& FontOrDefault() const;

    // --- Timers -----------------------------------------------------------------
    // Starts (or restarts) timer id: WM_TIMER every periodMs milliseconds.
    void SetTimer(std::uintptr_t id, int periodMs);
    void KillTimer(std::uintptr_t id);

    // --- Messages ---------------------------------------------------------------
    // Handles a message now and returns the handler's result.
    std::intptr_t Send(const Message& message);
    std::intptr_t Send(MessageId id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) {
        return Send(Message{id, wParam, lParam});
    }
    // Queues a message; it is handled by the next turn of the message loop
    // and dropped if the window is gone by then.
    void Post(MessageId id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    // Sends WM_COMMAND (id, code, this) to the parent.
    void NotifyParentCommand(int code);
    // Sends WM_NOTIFY to the parent; header.from, idFrom and code are filled
    // in. Returns the parent's result.
    std::intptr_t NotifyParent(int code, NotifyHeader& header);

    // The dispatcher: maps the message number to its handler. Mouse and
    // key input to a disabled window is dropped here. Override it for
    // private messages and call the base for all others.
    virtual std::intptr_t HandleMessage(const Message& message);

    // Owner-draw requests reflected from the parent (see DrawItemRequest).
    virtual void DrawItem(DrawItemRequest& request);

    // Host bookkeeping.
    Host& GetHost() const;

protected:
    // --- Handlers -----------------------------------------------------------
    virtual int OnCreate() { return 0; }
    virtual void OnDestroy() {}
    virtual void OnPaint(DeviceContext& dc);
    // Returns true when the background counts as erased. The default fills
    // the client area with BackgroundColor() when there is one.
    virtual bool OnEraseBackground(DeviceContext& dc);
    // Shrinks the proposed client rectangle (given in the parent's client
    // coordinates, the window rectangle on entry) to leave a border.
    virtual void OnNcCalcSize(Rect& proposedClient) { (void)proposedClient; }
    // Paints the non-client area through a context at the window rectangle.
    virtual void OnNcPaint(DeviceContext& windowDc) { (void)windowDc; }
    virtual int OnNcHitTest(Point screenPoint);
    // The default starts a window drag for HTCAPTION.
    virtual void OnNcLButtonDown(int hitTest, Point point);
    virtual void OnSize(int sizeType, int cx, int cy) { (void)sizeType, (void)cx, (void)cy; }
    virtual void OnMove(int x, int y) { (void)x, (void)y; }
    virtual void OnShowWindow(bool show) { (void)show; }
    virtual void OnEnable(bool enabled) { (void)enabled; }
    virtual void OnSetText(std::string_view text) { (void)text; }
    virtual void OnSetFont(const Font* font, bool redraw);
    virtual void OnSetFocus() {}
    virtual void OnKillFocus() {}
    virtual void OnMouseMove(std::uint32_t flags, Point point) { (void)flags, (void)point; }
    virtual void OnLButtonDown(std::uint32_t flags, Point point) { (void)flags, (void)point; }
    virtual void OnLButtonUp(std::uint32_t flags, Point point) { (void)flags, (void)point; }
    // Sent for the second press of a double-click when WantsDoubleClicks().
    virtual void OnLButtonDblClk(std::uint32_t flags, Point point) { (void)flags, (void)point; }
    virtual void OnRButtonDown(std::uint32_t flags, Point point) { (void)flags, (void)point; }
    virtual void OnRButtonUp(std::uint32_t flags, Point point) { (void)flags, (void)point; }
    // Returns true when the wheel turn was used; the default passes it on
    // to the parent.
    virtual bool OnMouseWheel(std::uint32_t flags, int delta, Point screenPoint);
    virtual void OnMouseHover(std::uint32_t flags, Point point) { (void)flags, (void)point; }
    virtual void OnMouseLeave() {}
    virtual void OnTimer(std::uintptr_t id) { (void)id; }
    // Returns true when handled; unhandled keys go on to the parent.
    virtual bool OnKeyDown(int key, std::uint32_t flags) { (void)key, (void)flags; return false; }
    // A child's command (control id, notification code, the child).
    virtual bool OnCommand(int id, int code, Window* from) { (void)id, (void)code, (void)from; return false; }
    // A child's notification; *result is what the sender gets back.
    virtual bool OnNotify(NotifyHeader& header, std::intptr_t* result) { (void)header, (void)result; return false; }
    // The default hands the request to the control that asked.
    virtual void OnDrawItem(int controlId, DrawItemRequest& request);
    // The default asks nothing of the dialog and gives no background.
    virtual std::optional<Argb> OnCtlColor(DeviceContext& dc, Window* control, int kind);
    virtual void OnVScroll(int code, int position, Window* scrollBar) { (void)code, (void)position, (void)scrollBar; }
    virtual void OnHScroll(int code, int position, Window* scrollBar) { (void)code, (void)position, (void)scrollBar; }
    // The default destroys the window.
    virtual void OnClose();
    // Whether a quick second press arrives as WM_LBUTTONDBLCLK.
    virtual bool WantsDoubleClicks() const { return false; }
    // Called when a child leaves this window's children.
    virtual void OnChildRemoved(Window* child) { (void)child; }
    // The style word a window is really created with; a class that always
    // needs some bits (an owner-drawn button type) adds them here.
    virtual Style PreCreateStyle(Style style) const { return style; }
    // The class name used by Create() when none was given.
    virtual std::string_view DefaultClassName() const { return classes::Window; }

private:
    friend class Host;
    friend class PaintEngine;
    bool AdoptAndCreate(std::unique_ptr<Window> child, const Rect& rect, Style style, int id, std::string_view text);
    void DestroyTree(bool sendDestroy);
    void Unlink();
    void ApplyFrame(const Rect& newRect, bool sendMessages);
    void EnsureBackStore();
    Point ClientOriginInTopLevel() const;
    Rect RectInTopLevel() const;
    void MarkTreeNeedsPaint();

    std::shared_ptr<Window*> token_;
    bool created_ = false;
    bool ownedByParent_ = false;
    std::string className_;
    Cursor cursor_ = Cursor::Arrow;
    Window* parent_ = nullptr;
    std::vector<Window*> children_;
    std::vector<std::unique_ptr<Window>> ownedChildren_;
    int controlId_ = 0;
    Style style_ = 0;
    std::uint32_t exStyle_ = 0;
    std::string text_;
    Rect rect_;
    Rect clientInWindow_;
    std::optional<Region> region_;
    std::optional<Bitmap> backStore_;
    std::optional<Argb> background_;
    const Font* font_ = nullptr;
    bool needsPaint_ = false;
    bool needsErase_ = false;
};

}  // namespace platform
