#pragma once
// The host on a real display: one borderless SDL window per shown top-level
// window, shaped by the window's region (an X shape mask), showing the
// window's back store after every paint. The loop blocks in SDL_WaitEvent
// (with a timeout only while a timer or hover message is due), so an idle
// window costs no processor time.
#include <cstdint>
#include <map>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Host.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

namespace platform {

class SdlHost : public Host {
public:
    SdlHost();
    ~SdlHost() override;

    // False when the video subsystem could not start (no display).
    bool IsReady() const { return ready_; }
    const std::string& Error() const { return error_; }

    std::uint64_t NowMs() const override;
    void ShowMessageBox(Window* owner, const std::string& caption, const std::string& text) override;

    void TopLevelCreated(Window& window) override;
    void TopLevelDestroyed(Window& window) override;
    void TopLevelShown(Window& window, bool shown) override;
    void TopLevelMoved(Window& window) override;
    void TopLevelRegionChanged(Window& window) override;
    void TopLevelTitleChanged(Window& window) override;
    void TopLevelIconChanged(Window& window, const Picture* icon) override;
    void TopLevelRaised(Window& window) override;
    void Present(Window& window) override;

    // The native (X11) window id of a shown top-level window, or 0.
    std::uint64_t NativeWindowId(const Window& window) const;
    SDL_Window* NativeWindow(const Window& window) const;

protected:
    bool WaitForInput(std::optional<std::uint64_t> timeoutMs) override;

private:
    struct Native {
        SDL_Window* sdl = nullptr;
        bool shaped = false;
        // An icon set before the native window existed, applied when it comes.
        std::optional<Bitmap> icon;
    };
    void ApplyIcon(Native& native);
    void EnsureNative(Window& window);
    void DestroyNative(Window& window);
    void ApplyShape(Window& window, Native& native);
    void HandleEvent(const SDL_Event& event);
    Window* WindowForId(std::uint32_t sdlWindowId) const;
    void UpdateCursor();

    bool ready_ = false;
    std::string error_;
    std::map<const Window*, Native> natives_;
    SDL_Cursor* arrow_ = nullptr;
    SDL_Cursor* hand_ = nullptr;
};

}  // namespace platform
