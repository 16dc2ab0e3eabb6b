#pragma once
// The life of the windowed program: one copy per machine, the configuration
// folder written in the user's language, the search engine started, the main
// window run modally, the engine stopped.
#include <functional>
#include <memory>
#include <string>

#include "core/Bool.h"

class SingleInstanceLock;

// What the application reaches outside itself at start-up. Empty members
// mean the real services (the platform message box, the search engine);
// tests replace them so that a start-up failure can be observed without a
// blocking message box and without opening a socket.
struct ApplicationServices {
    std::function<void(const std::string& caption, const std::string& text)> showMessage;
    std::function<void()> startEngine;
};

class CScoutrelApp {
public:
    CScoutrelApp();
    explicit CScoutrelApp(ApplicationServices services);
    ~CScoutrelApp();

    // The whole run; always FALSE, so that ExitInstance follows.
    BOOL InitInstance();
    // Stops the engine and releases the single-instance lock; returns the
    // process exit code.
    int ExitInstance();

    // InitInstance, then ExitInstance.
    int Run();

private:
    ApplicationServices m_services;
    std::unique_ptr<SingleInstanceLock> m_pInstanceLock;
    bool m_bEngineStarted = false;
    int m_nExitCode = 0;
};

// The program's default mode (no option): the device finder window.
int RunDeviceFinderWindow();
