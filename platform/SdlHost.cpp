#include "platform/SdlHost.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <cairo.h>

#include <cstring>

#include "platform/Picture.h"
#include "platform/Region.h"
#include "platform/X11Native.h"
#include "platform/Window.h"

namespace platform {

namespace {

int KeyCodeOf(SDL_Keycode key) {
    switch (key) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return VK_RETURN;
        case SDLK_ESCAPE: return VK_ESCAPE;
        case SDLK_UP: return VK_UP;
        case SDLK_DOWN: return VK_DOWN;
        case SDLK_LEFT: return VK_LEFT;
        case SDLK_RIGHT: return VK_RIGHT;
        case SDLK_HOME: return VK_HOME;
        case SDLK_END: return VK_END;
        case SDLK_PAGEUP: return VK_PRIOR;
        case SDLK_PAGEDOWN: return VK_NEXT;
        case SDLK_SPACE: return VK_SPACE;
        case SDLK_TAB: return VK_TAB;
        default: return 0;
    }
}

std::uint32_t KeyFlagsOf(Uint16 mod) {
    std::uint32_t flags = 0;
    if (mod & KMOD_SHIFT) flags |= MK_SHIFT;
    if (mod & KMOD_CTRL) flags |= MK_CONTROL;
    return flags;
}

// An SDL surface viewing a bitmap's pixels (no copy); free with SDL_FreeSurface.
SDL_Surface* ViewOf(const Bitmap& bitmap) {
    cairo_surface_t* s = bitmap.Surface();
    cairo_surface_flush(s);
    return SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(s), bitmap.Width(), bitmap.Height(), 32,
                                              cairo_image_surface_get_stride(s), SDL_PIXELFORMAT_ARGB8888);
}

}  // namespace

SdlHost::SdlHost() {
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // The window surface must be the X window's own pixels: an accelerated
    // one would recreate the native window for GL and lose its shape.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error_ = SDL_GetError();
        return;
    }
    ready_ = true;
    arrow_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    hand_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
}

SdlHost::~SdlHost() {
    for (auto& [window, native] : natives_)
        if (native.sdl) SDL_DestroyWindow(native.sdl);
    natives_.clear();
    if (arrow_) SDL_FreeCursor(arrow_);
    if (hand_) SDL_FreeCursor(hand_);
    if (ready_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::uint64_t SdlHost::NowMs() const { return SDL_GetTicks64(); }

// --- Native windows --------------------------------------------------------------

void SdlHost::EnsureNative(Window& window) {
    if (!ready_) return;
    Native& native = natives_[&window];
    if (native.sdl) return;
    Rect r = window.WindowRect();
    native.sdl = SDL_CreateWindow(window.Text().c_str(), r.left, r.top, std::max(r.Width(), 1), std::max(r.Height(), 1),
                                  SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
    if (!native.sdl) {
        natives_.erase(&window);
        return;
    }
    SDL_SetWindowData(native.sdl, "platform.window", &window);
    ApplyShape(window, native);
    ApplyIcon(native);
}

void SdlHost::ApplyIcon(Native& native) {
    if (!native.sdl || !native.icon || native.icon->IsNull()) return;
    if (SDL_Surface* view = ViewOf(*native.icon)) {
        SDL_SetWindowIcon(native.sdl, view);
        SDL_FreeSurface(view);
    }
}

void SdlHost::DestroyNative(Window& window) {
    auto it = natives_.find(&window);
    if (it == natives_.end()) return;
    if (it->second.sdl) SDL_DestroyWindow(it->second.sdl);
    natives_.erase(it);
}

void SdlHost::ApplyShape(Window& window, Native& native) {
    if (!native.sdl) return;
    Rect whole{0, 0, std::max(window.WindowRect().Width(), 1), std::max(window.WindowRect().Height(), 1)};
    std::vector<Rect> rects;
    if (window.GetRegion()) {
        platform::Region cut = *window.GetRegion();
        cut.Intersect(whole);
        rects = cut.Rects();
    } else {
        rects.push_back(whole);
    }
    native.shaped = ApplyX11Shape(native.sdl, rects);
}

SDL_Window* SdlHost::NativeWindow(const Window& window) const {
    auto it = natives_.find(&window);
    return it == natives_.end() ? nullptr : it->second.sdl;
}

std::uint64_t SdlHost::NativeWindowId(const Window& window) const {
    SDL_Window* sdl = NativeWindow(window);
    if (!sdl) return 0;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(sdl, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
    return static_cast<std::uint64_t>(info.info.x11.window);
}

Window* SdlHost::WindowForId(std::uint32_t sdlWindowId) const {
    SDL_Window* sdl = SDL_GetWindowFromID(sdlWindowId);
    return sdl ? static_cast<Window*>(SDL_GetWindowData(sdl, "platform.window")) : nullptr;
}

// --- What windows tell the host ----------------------------------------------------

void SdlHost::TopLevelCreated(Window& window) { Host::TopLevelCreated(window); }

void SdlHost::TopLevelDestroyed(Window& window) {
    DestroyNative(window);
    Host::TopLevelDestroyed(window);
}

void SdlHost::TopLevelShown(Window& window, bool shown) {
    if (shown) {
        EnsureNative(window);
        if (SDL_Window* sdl = NativeWindow(window)) {
            PaintTopLevel(window);
            SDL_ShowWindow(sdl);
            SDL_RaiseWindow(sdl);
            // What was presented before the window was mapped is lost.
            Present(window);
        }
    } else if (SDL_Window* sdl = NativeWindow(window)) {
        SDL_HideWindow(sdl);
    }
}

void SdlHost::TopLevelMoved(Window& window) {
    SDL_Window* sdl = NativeWindow(window);
    if (!sdl) return;
    Rect r = window.WindowRect();
    int w, h;
    SDL_GetWindowSize(sdl, &w, &h);
    if (w != r.Width() || h != r.Height()) {
        SDL_SetWindowSize(sdl, std::max(r.Width(), 1), std::max(r.Height(), 1));
        ApplyShape(window, natives_[&window]);
    }
    SDL_SetWindowPosition(sdl, r.left, r.top);
}

void SdlHost::TopLevelRegionChanged(Window& window) {
    auto it = natives_.find(&window);
    if (it != natives_.end()) ApplyShape(window, it->second);
}

void SdlHost::TopLevelTitleChanged(Window& window) {
    if (SDL_Window* sdl = NativeWindow(window)) SDL_SetWindowTitle(sdl, window.Text().c_str());
}

void SdlHost::TopLevelIconChanged(Window& window, const Picture* icon) {
    if (!ready_ || !icon || icon->IsEmpty()) return;
    Native& native = natives_[&window];
    native.icon = icon->Pixels().Clone();
    ApplyIcon(native);
}

void SdlHost::TopLevelRaised(Window& window) {
    Host::TopLevelRaised(window);
    if (SDL_Window* sdl = NativeWindow(window)) SDL_RaiseWindow(sdl);
}

void SdlHost::Present(Window& window) {
    SDL_Window* sdl = NativeWindow(window);
    const Bitmap* store = window.BackStore();
    if (!sdl || !store) return;
    SDL_Surface* target = SDL_GetWindowSurface(sdl);
    if (!target) return;
    if (SDL_Surface* view = ViewOf(*store)) {
        SDL_SetSurfaceBlendMode(view, SDL_BLENDMODE_NONE);
        SDL_BlitSurface(view, nullptr, target, nullptr);
        SDL_FreeSurface(view);
    }
    SDL_UpdateWindowSurface(sdl);
}

// --- Input -------------------------------------------------------------------------------

void SdlHost::UpdateCursor() {
    Window* hot = HotWindow();
    SDL_Cursor* wanted = hot && hot->GetCursor() == Cursor::Hand ? hand_ : arrow_;
    if (wanted && SDL_GetCursor() != wanted) SDL_SetCursor(wanted);
}

void SdlHost::HandleEvent(const SDL_Event& e) {
    // Event coordinates are relative to where the native window was when
    // the event happened, which is where it was last placed.
    // While a drag moves the window, events still on their way carry
    // coordinates relative to an older place; the pointer's own screen
    // position is asked of the server then.
    auto screenPoint = [this](std::uint32_t windowId, int x, int y) {
        SDL_Window* sdl = SDL_GetWindowFromID(windowId);
        Point p;
        if (IsDragging() && QueryX11Pointer(sdl, p)) return p;
        int left = 0, top = 0;
        if (sdl) SDL_GetWindowPosition(sdl, &left, &top);
        return Point{left + x, top + y};
    };
    std::uint32_t keyFlags = KeyFlagsOf(static_cast<Uint16>(SDL_GetModState()));
    switch (e.type) {
        case SDL_MOUSEMOTION:
            PointerMove(screenPoint(e.motion.windowID, e.motion.x, e.motion.y), keyFlags);
            UpdateCursor();
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT) break;
            MouseButton b = e.button.button == SDL_BUTTON_LEFT ? MouseButton::Left : MouseButton::Right;
            PointerButton(b, e.type == SDL_MOUSEBUTTONDOWN, screenPoint(e.button.windowID, e.button.x, e.button.y),
                          keyFlags);
            break;
        }
        case SDL_MOUSEWHEEL: {
            int delta = e.wheel.y * 120;
            if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) delta = -delta;
            if (delta != 0) PointerWheel(delta, PointerPosition(), keyFlags);
            break;
        }
        case SDL_QUIT:
            // An end request from outside (SIGINT, SIGTERM, the session):
            // every top-level window is asked to close, so dialogs end as
            // if cancelled and the program shuts down in order.
            for (Window* top : TopLevels()) top->Post(WM_CLOSE);
            break;
        case SDL_KEYDOWN:
            if (int key = KeyCodeOf(e.key.keysym.sym)) KeyDown(key, KeyFlagsOf(e.key.keysym.mod));
            break;
        case SDL_WINDOWEVENT: {
            Window* w = WindowForId(e.window.windowID);
            if (!w) break;
            switch (e.window.event) {
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SHOWN:
                    Present(*w);
                    break;
                case SDL_WINDOWEVENT_LEAVE:
                    if (!IsDragging() && !Capture()) PointerLeft();
                    break;
                case SDL_WINDOWEVENT_CLOSE:
                    w->Post(WM_CLOSE);
                    break;
                default:
                    break;
            }
            break;
        }
        default:
            break;
    }
}

bool SdlHost::WaitForInput(std::optional<std::uint64_t> timeoutMs) {
    if (!ready_) return false;
    SDL_Event event;
    int got;
    if (timeoutMs) {
        int ms = static_cast<int>(std::min<std::uint64_t>(*timeoutMs, 1u << 30));
        got = SDL_WaitEventTimeout(&event, std::max(ms, 1));
    } else {
        got = SDL_WaitEvent(&event);
    }
    if (!got) return true;
    HandleEvent(event);
    while (SDL_PollEvent(&event)) HandleEvent(event);
    return true;
}

void SdlHost::ShowMessageBox(Window* owner, const std::string& caption, const std::string& text) {
    SDL_Window* parent = owner ? NativeWindow(*owner->TopLevel()) : nullptr;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption.c_str(), text.c_str(), parent);
}

}  // namespace platform
