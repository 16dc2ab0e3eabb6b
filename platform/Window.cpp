#include "platform/Window.h"

#include <algorithm>

#include "platform/Font.h"
#include "platform/Graphics.h"
#include "platform/Host.h"

namespace platform {

namespace {
bool IsInputMessage(MessageId id) {
    switch (id) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MOUSEWHEEL:
        case WM_MOUSEHOVER:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_NCLBUTTONDOWN:
            return true;
        default:
            return false;
    }
}
}  // namespace

Window::Window() : token_(std::make_shared<Window*>(this)) {}

Window::~Window() {
    if (created_) Destroy();
    *token_ = nullptr;
}

Host& Window::GetHost() const { return Host::Current(); }

// --- Creation ------------------------------------------------------------

bool Window::CreateEx(std::string_view className, std::string_view text, Style style, const Rect& rect,
                      Window* parent, int controlId) {
    const WindowClassInfo* info = WindowClassRegistry::Find(className);
    if (!info) return false;
    className_ = info->name;
    cursor_ = info->cursor;
    return Create(parent, rect, style, controlId, text);
}

bool Window::Create(Window* parent, const Rect& rect, Style style, int controlId, std::string_view text) {
    if (created_) return false;
    style = PreCreateStyle(style);
    if ((style & WS_CHILD) && (!parent || !parent->created_)) return false;
    if (className_.empty()) {
        className_ = std::string(DefaultClassName());
        if (const WindowClassInfo* info = WindowClassRegistry::Find(className_)) cursor_ = info->cursor;
    }
    style_ = style;
    controlId_ = controlId;
    text_ = std::string(text);
    parent_ = parent;
    created_ = true;
    if (style & WS_CHILD) {
        parent->children_.push_back(this);
    } else {
        GetHost().TopLevelCreated(*this);
    }
    rect_ = rect;
    ApplyFrame(rect, false);
    WindowRef self = Ref();
    if (Send(WM_CREATE) == -1) {
        if (self) Destroy();
        return false;
    }
    if (!self || !created_) return false;
    Send(WM_SIZE, SIZE_RESTORED, PackPoint(clientInWindow_.Width(), clientInWindow_.Height()));
    if (!self || !created_) return false;
    Point origin = rect_.TopLeft() + clientInWindow_.TopLeft();
    Send(WM_MOVE, 0, PackPoint(origin));
    if (!self || !created_) return false;
    if (IsVisible()) {
        Invalidate();
        if (IsTopLevel()) GetHost().TopLevelShown(*this, true);
    }
    return true;
}

bool Window::AdoptAndCreate(std::unique_ptr<Window> child, const Rect& rect, Style style, int id,
                            std::string_view text) {
    if (!created_ || !child) return false;
    Window* raw = child.get();
    raw->ownedByParent_ = true;
    ownedChildren_.push_back(std::move(child));
    if (raw->Create(this, rect, style, id, text)) return true;
    // A failed creation that did not get as far as destroying the window
    // leaves the object with us; drop it now.
    auto it = std::find_if(ownedChildren_.begin(), ownedChildren_.end(),
                           [raw](const std::unique_ptr<Window>& p) { return p.get() == raw; });
    if (it != ownedChildren_.end()) {
        std::unique_ptr<Window> doomed = std::move(*it);
        ownedChildren_.erase(it);
        doomed->ownedByParent_ = false;
        GetHost().ScheduleDelete(std::move(doomed));
    }
    return false;
}

void Window::Destroy() {
    if (!created_) return;
    WindowRef self = Ref();
    Host& host = GetHost();
    Window* parent = parent_;
    bool wasVisibleChild = !IsTopLevel() && IsVisible();
    Rect area = rect_;
    Send(WM_DESTROY);
    if (!self || !created_) return;
    // Children go after their parent has heard of its own end.
    std::vector<WindowRef> children;
    for (Window* c : children_) children.push_back(c->Ref());
    for (auto& ref : children)
        if (Window* c = ref.Get()) c->Destroy();
    created_ = false;
    host.WindowDestroyed(*this);
    if (IsTopLevel()) host.TopLevelDestroyed(*this);
    Unlink();
    backStore_.reset();
    if (parent && wasVisibleChild) parent->InvalidateRect(area);
    if (ownedByParent_ && parent) {
        auto it = std::find_if(parent->ownedChildren_.begin(), parent->ownedChildren_.end(),
                               [this](const std::unique_ptr<Window>& p) { return p.get() == this; });
        if (it != parent->ownedChildren_.end()) {
            std::unique_ptr<Window> me = std::move(*it);
            parent->ownedChildren_.erase(it);
            ownedByParent_ = false;
            host.ScheduleDelete(std::move(me));
        }
    }
}

void Window::Unlink() {
    Window* parent = parent_;
    parent_ = nullptr;
    if (!parent) return;
    auto it = std::find(parent->children_.begin(), parent->children_.end(), this);
    if (it != parent->children_.end()) {
        parent->children_.erase(it);
        parent->OnChildRemoved(this);
    }
}

// --- Tree ----------------------------------------------------------------

Window* Window::TopLevel() {
    Window* w = this;
    while (!w->IsTopLevel() && w->parent_) w = w->parent_;
    return w;
}

const Window* Window::TopLevel() const { return const_cast<Window*>(this)->TopLevel(); }

Window* Window::FindChild(int controlId) const {
    for (Window* c : children_)
        if (c->controlId_ == controlId) return c;
    return nullptr;
}

Window* Window::NextInGroup(Window* control, bool previous) const {
    auto it = std::find(children_.begin(), children_.end(), control);
    if (it == children_.end()) return nullptr;
    std::size_t index = static_cast<std::size_t>(it - children_.begin());
    // The group: back to the child that starts it, forward to the next start.
    std::size_t first = index;
    while (first > 0 && !(children_[first]->style_ & WS_GROUP)) --first;
    std::size_t last = index + 1;
    while (last < children_.size() && !(children_[last]->style_ & WS_GROUP)) ++last;
    std::size_t count = last - first;
    std::size_t pos = index - first;
    pos = previous ? (pos + count - 1) % count : (pos + 1) % count;
    return children_[first + pos];
}

bool Window::IsAncestorOf(const Window* other) const {
    for (const Window* w = other ? other->parent_ : nullptr; w; w = w->IsTopLevel() ? nullptr : w->parent_)
        if (w == this) return true;
    return false;
}

void Window::BringToTop() {
    if (IsTopLevel() || !parent_) return;
    auto& siblings = parent_->children_;
    auto it = std::find(siblings.begin(), siblings.end(), this);
    if (it == siblings.end()) return;
    siblings.erase(it);
    siblings.push_back(this);
    Invalidate();
}

void Window::SetText(std::string_view text) {
    text_ = std::string(text);
    OnSetText(text_);
    if (created_ && IsTopLevel()) GetHost().TopLevelTitleChanged(*this);
}

// --- Geometry ------------------------------------------------------------

Rect Window::WindowRect() const {
    if (IsTopLevel() || !parent_) return rect_;
    return parent_->ClientToScreen(rect_);
}

Point Window::ClientToScreen(Point p) const {
    Rect w = WindowRect();
    return {p.x + w.left + clientInWindow_.left, p.y + w.top + clientInWindow_.top};
}

Rect Window::ClientToScreen(const Rect& r) const {
    Point tl = ClientToScreen(r.TopLeft());
    return r.MovedTo(tl.x, tl.y);
}

Point Window::ScreenToClient(Point p) const {
    Point origin = ClientToScreen(Point{0, 0});
    return {p.x - origin.x, p.y - origin.y};
}

Rect Window::ScreenToClient(const Rect& r) const {
    Point tl = ScreenToClient(r.TopLeft());
    return r.MovedTo(tl.x, tl.y);
}

Point Window::ClientOriginInTopLevel() const {
    if (IsTopLevel() || !parent_) return clientInWindow_.TopLeft();
    Point p = parent_->ClientOriginInTopLevel();
    return {p.x + rect_.left + clientInWindow_.left, p.y + rect_.top + clientInWindow_.top};
}

Rect Window::RectInTopLevel() const {
    if (IsTopLevel() || !parent_) return rect_.MovedTo(0, 0);
    return rect_.Offset(parent_->ClientOriginInTopLevel());
}

void Window::ApplyFrame(const Rect& newRect, bool sendMessages) {
    Rect oldRect = rect_;
    Rect oldClient = clientInWindow_;
    rect_ = newRect;
    Rect proposed = newRect;
    Send(WM_NCCALCSIZE, 0, ToParam(&proposed));
    if (proposed.right < proposed.left) proposed.right = proposed.left;
    if (proposed.bottom < proposed.top) proposed.bottom = proposed.top;
    clientInWindow_ = proposed.Offset(-newRect.left, -newRect.top);
    if (IsTopLevel()) EnsureBackStore();
    if (!sendMessages) return;
    WindowRef self = Ref();
    Point oldOrigin = oldRect.TopLeft() + oldClient.TopLeft();
    Point newOrigin = rect_.TopLeft() + clientInWindow_.TopLeft();
    if (oldOrigin != newOrigin) {
        Send(WM_MOVE, 0, PackPoint(newOrigin));
        if (!self) return;
        if (IsTopLevel()) GetHost().TopLevelMoved(*this);
    } else if (IsTopLevel() && oldRect.GetSize() != rect_.GetSize()) {
        GetHost().TopLevelMoved(*this);
    }
    if (!self) return;
    if (oldClient.GetSize() != clientInWindow_.GetSize())
        Send(WM_SIZE, SIZE_RESTORED, PackPoint(clientInWindow_.Width(), clientInWindow_.Height()));
}

void Window::Move(const Rect& rect, bool repaint) {
    if (!created_) {
        rect_ = rect;
        return;
    }
    if (repaint && !IsTopLevel() && parent_ && IsVisible()) parent_->InvalidateRect(rect_);
    bool resized = rect.GetSize() != rect_.GetSize();
    ApplyFrame(rect, true);
    if (!created_) return;
    if (repaint || resized) Invalidate();
}

void Window::RecalcFrame() {
    if (created_) ApplyFrame(rect_, true);
    Invalidate();
}

void Window::SetRegion(std::optional<Region> region, bool redraw) {
    region_ = std::move(region);
    if (!created_) return;
    if (IsTopLevel()) GetHost().TopLevelRegionChanged(*this);
    if (redraw) Invalidate();
}

void Window::EnsureBackStore() {
    Size size = rect_.GetSize();
    if (size.width <= 0 || size.height <= 0) size = {1, 1};
    if (backStore_ && backStore_->GetSize() == size) return;
    Bitmap fresh(size.width, size.height);
    backStore_ = std::move(fresh);
    MarkTreeNeedsPaint();
}

void Window::MarkTreeNeedsPaint() {
    needsPaint_ = true;
    needsErase_ = true;
    for (Window* c : children_) c->MarkTreeNeedsPaint();
    GetHost().NotePaintNeeded();
}

// --- Visibility and input --------------------------------------------------

void Window::Show(int showCommand) {
    bool show = showCommand != SW_HIDE;
    if (show == IsVisible()) return;
    WindowRef self = Ref();
    if (show) {
        style_ |= WS_VISIBLE;
    } else {
        style_ &= ~WS_VISIBLE;
    }
    if (!created_) return;
    Send(WM_SHOWWINDOW, show ? 1 : 0);
    if (!self) return;
    Host& host = GetHost();
    if (!show) {
        if (Window* capture = host.Capture(); capture && (capture == this || IsAncestorOf(capture)))
            host.SetCapture(nullptr);
        if (!IsTopLevel() && parent_) parent_->InvalidateRect(rect_);
    } else {
        Invalidate();
    }
    if (IsTopLevel()) host.TopLevelShown(*this, show);
}

bool Window::IsShownInTree() const {
    for (const Window* w = this; w; w = w->IsTopLevel() ? nullptr : w->parent_)
        if (!w->IsVisible() || !w->created_) return false;
    return true;
}

void Window::Enable(bool enable) {
    if (enable == IsEnabled()) return;
    if (enable) {
        style_ &= ~WS_DISABLED;
    } else {
        style_ |= WS_DISABLED;
    }
    if (!created_) return;
    Host& host = GetHost();
    if (!enable) {
        if (Window* capture = host.Capture(); capture && (capture == this || IsAncestorOf(capture)))
            host.SetCapture(nullptr);
        if (Window* focus = host.Focus(); focus && (focus == this || IsAncestorOf(focus))) host.SetFocus(nullptr);
    }
    Send(WM_ENABLE, enable ? 1 : 0);
}

bool Window::IsEnabledInTree() const {
    for (const Window* w = this; w; w = w->IsTopLevel() ? nullptr : w->parent_)
        if (!w->IsEnabled()) return false;
    return true;
}

void Window::SetFocus() { GetHost().SetFocus(this); }
bool Window::HasFocus() const { return Host::Current().Focus() == this; }
Window* Window::Focus() { return Host::Current().Focus(); }
void Window::SetCapture() { GetHost().SetCapture(this); }
void Window::ReleaseCapture() {
    if (HasCapture()) GetHost().SetCapture(nullptr);
}
bool Window::HasCapture() const { return Host::Current().Capture() == this; }
Window* Window::Capture() { return Host::Current().Capture(); }
bool Window::TrackMouse(std::uint32_t flags, int hoverMs) {
    return created_ && GetHost().TrackMouse(*this, flags, hoverMs);
}
Point Window::PointerInClient() const { return ScreenToClient(Host::Current().PointerPosition()); }

void Window::BringToFront() {
    if (created_) GetHost().TopLevelRaised(*TopLevel());
}
void Window::SetIcon(const Picture* icon) {
    if (created_) GetHost().TopLevelIconChanged(*TopLevel(), icon);
}

// --- Painting --------------------------------------------------------------

void Window::Invalidate(bool erase) {
    if (!created_) return;
    needsPaint_ = true;
    needsErase_ = needsErase_ || erase;
    GetHost().NotePaintNeeded();
}

void Window::InvalidateRect(const Rect& clientRect, bool erase) {
    // Every paint redraws the whole window from its off-screen picture, so
    // a part invalidates the whole.
    if (!clientRect.IsEmpty()) Invalidate(erase);
}

void Window::Update() {
    if (created_) GetHost().PaintTopLevel(*TopLevel());
}

namespace {
// The part of a window (whole or client) that is visible inside all its
// ancestors' client areas, in top-level coordinates.
Rect VisibleInTopLevel(const Window& w, Rect r) {
    for (const Window* a = w.IsTopLevel() ? nullptr : w.Parent(); a; a = a->IsTopLevel() ? nullptr : a->Parent()) {
        Rect ac = a->ClientRect().Offset(a->ClientToScreen(Point{0, 0}) - a->TopLevel()->WindowRect().TopLeft());
        r = r.Intersect(ac);
    }
    return r;
}
}  // namespace

DeviceContext Window::GetClientDC() {
    Window* top = TopLevel();
    if (!created_ || !top->backStore_) return DeviceContext(nullptr, {}, {});
    Point origin = ClientOriginInTopLevel();
    Rect client = ClientRect().Offset(origin);
    return DeviceContext(top->backStore_->Surface(), origin, VisibleInTopLevel(*this, client));
}

DeviceContext Window::GetWindowDC() {
    Window* top = TopLevel();
    if (!created_ || !top->backStore_) return DeviceContext(nullptr, {}, {});
    Rect whole = RectInTopLevel();
    return DeviceContext(top->backStore_->Surface(), whole.TopLeft(), VisibleInTopLevel(*this, whole));
}

Bitmap Window::Snapshot() const {
    const Window* top = TopLevel();
    if (!created_ || !top->backStore_) return {};
    Rect whole = RectInTopLevel();
    MemoryDC copy(whole.Width(), whole.Height());
    DeviceContext store(top->backStore_->Surface(), {0, 0}, Rect{0, 0, top->rect_.Width(), top->rect_.Height()});
    copy.Copy(0, 0, whole.Width(), whole.Height(), store, whole.left, whole.top);
    return copy.SelectBitmap(Bitmap{});
}

// --- Font and timers -------------------------------------------------------

void Window::SetFont(const Font* font, bool redraw) { Send(WM_SETFONT, ToParam(font), redraw ? 1 : 0); }

const Font& Window::FontOrDefault() const { return font_ ? *font_ : Font::Default(); }

void Window::SetTimer(std::uintptr_t id, int periodMs) {
    if (created_) GetHost().SetTimer(*this, id, periodMs);
}

void Window::KillTimer(std::uintptr_t id) { GetHost().KillTimer(*this, id); }

// --- Messages --------------------------------------------------------------

std::intptr_t Window::Send(const Message& message) {
    Host& host = GetHost();
    ++host.dispatchDepth_;
    std::intptr_t result = HandleMessage(message);
    --host.dispatchDepth_;
    return result;
}

void Window::Post(MessageId id, std::uintptr_t wParam, std::intptr_t lParam) {
    GetHost().PostMessage(*this, Message{id, wParam, lParam});
}

void Window::NotifyParentCommand(int code) {
    if (parent_)
        parent_->Send(WM_COMMAND, MakeWParam(static_cast<std::uint16_t>(controlId_), static_cast<std::uint16_t>(code)),
                      ToParam(this));
}

std::intptr_t Window::NotifyParent(int code, NotifyHeader& header) {
    header.from = this;
    header.idFrom = controlId_;
    header.code = code;
    if (!parent_) return 0;
    return parent_->Send(WM_NOTIFY, static_cast<std::uintptr_t>(controlId_), ToParam(&header));
}

std::intptr_t Window::HandleMessage(const Message& m) {
    if (IsInputMessage(m.id) && !IsEnabledInTree()) return 0;
    switch (m.id) {
        case WM_CREATE:
            return OnCreate();
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_PAINT: {
            if (auto* dc = FromParam<DeviceContext>(m.lParam)) {
                OnPaint(*dc);
            } else {
                DeviceContext own = GetClientDC();
                OnPaint(own);
            }
            return 0;
        }
        case WM_ERASEBKGND: {
            auto* dc = reinterpret_cast<DeviceContext*>(m.wParam);
            return dc && OnEraseBackground(*dc) ? 1 : 0;
        }
        case WM_NCCALCSIZE:
            if (auto* r = FromParam<Rect>(m.lParam)) OnNcCalcSize(*r);
            return 0;
        case WM_NCPAINT:
            if (auto* dc = reinterpret_cast<DeviceContext*>(m.wParam)) OnNcPaint(*dc);
            return 0;
        case WM_NCHITTEST:
            return OnNcHitTest(UnpackPoint(m.lParam));
        case WM_NCLBUTTONDOWN:
            OnNcLButtonDown(static_cast<int>(m.wParam), UnpackPoint(m.lParam));
            return 0;
        case WM_SIZE:
            OnSize(static_cast<int>(m.wParam), LowWord(static_cast<std::uintptr_t>(m.lParam)),
                   HighWord(static_cast<std::uintptr_t>(m.lParam)));
            return 0;
        case WM_MOVE: {
            Point p = UnpackPoint(m.lParam);
            OnMove(p.x, p.y);
            return 0;
        }
        case WM_SHOWWINDOW:
            OnShowWindow(m.wParam != 0);
            return 0;
        case WM_ENABLE:
            OnEnable(m.wParam != 0);
            return 0;
        case WM_SETFONT:
            OnSetFont(reinterpret_cast<const Font*>(m.wParam), m.lParam != 0);
            return 0;
        case WM_GETFONT:
            return ToParam(font_);
        case WM_SETFOCUS:
            OnSetFocus();
            return 0;
        case WM_KILLFOCUS:
            OnKillFocus();
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(static_cast<std::uint32_t>(m.wParam), UnpackPoint(m.lParam));
            return 0;
        case WM_LBUTTONDOWN:
            OnLButtonDown(static_cast<std::uint32_t>(m.wParam), UnpackPoint(m.lParam));
            return 0;
        case WM_LBUTTONUP:
            OnLButtonUp(static_cast<std::uint32_t>(m.wParam), UnpackPoint(m.lParam));
            return 0;
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk(static_cast<std::uint32_t>(m.wParam), UnpackPoint(m.lParam));
            return 0;
        case WM_RBUTTONDOWN:
            OnRButtonDown(static_cast<std::uint32_t>(m.wParam), UnpackPoint(m.lParam));
            return 0;
        case WM_RBUTTONUP:
            OnRButtonUp(static_cast<std::uint32_t>(m.wParam), UnpackPoint(m.lParam));
            return 0;
        case WM_MOUSEWHEEL:
            return OnMouseWheel(LowWord(m.wParam), static_cast<std::int16_t>(HighWord(m.wParam)),
                                UnpackPoint(m.lParam))
                       ? 1
                       : 0;
        case WM_MOUSEHOVER:
            OnMouseHover(static_cast<std::uint32_t>(m.wParam), UnpackPoint(m.lParam));
            return 0;
        case WM_MOUSELEAVE:
            OnMouseLeave();
            return 0;
        case WM_TIMER:
            OnTimer(m.wParam);
            return 0;
        case WM_KEYDOWN: {
            if (OnKeyDown(static_cast<int>(m.wParam), static_cast<std::uint32_t>(m.lParam))) return 1;
            if (!IsTopLevel() && parent_) return parent_->Send(m);
            return 0;
        }
        case WM_COMMAND:
            return OnCommand(LowWord(m.wParam), static_cast<std::int16_t>(HighWord(m.wParam)),
                             FromParam<Window>(m.lParam))
                       ? 1
                       : 0;
        case WM_NOTIFY: {
            std::intptr_t result = 0;
            if (auto* header = FromParam<NotifyHeader>(m.lParam)) OnNotify(*header, &result);
            return result;
        }
        case WM_DRAWITEM:
            if (auto* request = FromParam<DrawItemRequest>(m.lParam)) OnDrawItem(static_cast<int>(m.wParam), *request);
            return 1;
        case WM_CTLCOLOR: {
            auto* request = FromParam<ControlColorRequest>(m.lParam);
            if (!request || !request->dc) return 0;
            request->background = OnCtlColor(*request->dc, request->control, request->kind);
            return request->background.has_value() ? 1 : 0;
        }
        case WM_VSCROLL:
            OnVScroll(static_cast<std::int16_t>(LowWord(m.wParam)), static_cast<std::int16_t>(HighWord(m.wParam)),
                      FromParam<Window>(m.lParam));
            return 0;
        case WM_HSCROLL:
            OnHScroll(static_cast<std::int16_t>(LowWord(m.wParam)), static_cast<std::int16_t>(HighWord(m.wParam)),
                      FromParam<Window>(m.lParam));
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_SETICON:
            SetIcon(FromParam<const Picture>(m.lParam));
            return 0;
        default:
            return 0;
    }
}

void Window::DrawItem(DrawItemRequest& request) { (void)request; }

// --- Default handlers ---------------------------------------------------------

void Window::OnPaint(DeviceContext& dc) { (void)dc; }

bool Window::OnEraseBackground(DeviceContext& dc) {
    if (!background_) return false;
    Graphics g(dc);
    g.FillRectangle(*background_, ClientRect());
    return true;
}

int Window::OnNcHitTest(Point screenPoint) {
    return WindowRect().Contains(screenPoint) ? HTCLIENT : HTNOWHERE;
}

void Window::OnNcLButtonDown(int hitTest, Point point) {
    (void)point;
    if (hitTest == HTCAPTION) GetHost().BeginWindowDrag(*TopLevel());
}

void Window::OnSetFont(const Font* font, bool redraw) {
    font_ = font;
    if (redraw) Invalidate();
}

bool Window::OnMouseWheel(std::uint32_t flags, int delta, Point screenPoint) {
    if (IsTopLevel() || !parent_) return false;
    return parent_->Send(WM_MOUSEWHEEL, MakeWParam(static_cast<std::uint16_t>(flags), static_cast<std::uint16_t>(delta)),
                         PackPoint(screenPoint)) != 0;
}

void Window::OnDrawItem(int controlId, DrawItemRequest& request) {
    (void)controlId;
    if (request.control && request.control != this) request.control->DrawItem(request);
}

std::optional<Argb> Window::OnCtlColor(DeviceContext& dc, Window* control, int kind) {
    (void)dc, (void)control, (void)kind;
    return std::nullopt;
}

void Window::OnClose() { Destroy(); }

}  // namespace platform
