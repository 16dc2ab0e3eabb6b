#pragma once
// The life of the windowed program: one copy per machine, the configuration
// folder written in the user's language, the search engine started, the main
// window run modally, the engine stopped.
#include <memory>

#include "core/Bool.h"

class SingleInstanceLock;

class CScoutrelApp {
public:
    CScoutrelApp();
    ~CScoutrelApp();

    // The whole run; always FALSE, so that ExitInstance follows.
    BOOL InitInstance();
    // Stops the engine and releases the single-instance lock; returns the
    // process exit code.
    int ExitInstance();

    // InitInstance, then ExitInstance.
    int Run();

private:
    std::unique_ptr<SingleInstanceLock> m_pInstanceLock;
    bool m_bEngineStarted = false;
    int m_nExitCode = 0;
};

// The program's default mode (no option): the device finder window.
int RunDeviceFinderWindow();
