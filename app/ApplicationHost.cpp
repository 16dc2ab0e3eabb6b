#include "app/ApplicationHost.h"

#include <SDL.h>

#include "app/ScoutrelDlg.h"

CScoutrelHost::CScoutrelHost()
{
    const Uint32 type = SDL_RegisterEvents(1);
    wakeEventType_ = type == static_cast<Uint32>(-1) ? 0 : type;
}

void CScoutrelHost::RequestRaise()
{
    raiseRequested_.store(true);
    if (wakeEventType_ == 0) return;
    SDL_Event event{};
    event.type = wakeEventType_;
    SDL_PushEvent(&event);  // safe from any thread
}

bool CScoutrelHost::WaitForInput(std::optional<std::uint64_t> timeoutMs)
{
    const bool more = platform::SdlHost::WaitForInput(timeoutMs);
    if (raiseRequested_.exchange(false)) {
        if (platform::Window* window = raiseTarget_.Get()) window->Post(WM_RAISE_MAIN_WINDOW);
    }
    return more;
}
