#include "app/Application.h"

#include <clocale>
#include <cstdio>
#include <utility>

#include "app/ConfigFiles.h"
#include "app/DisplayCheck.h"
#include "app/LanguageIndex.h"
#include "app/ScoutrelDlg.h"
#include "app/SingleInstance.h"
#include "core/DeviceRegistry.h"
#include "discovery/SearchManager.h"
#include "app/ApplicationHost.h"

namespace {

// The caption of the one message box the program can show.
constexpr const char* kApplicationName = "Scoutrel";

}  // namespace

CScoutrelApp::CScoutrelApp() = default;
CScoutrelApp::CScoutrelApp(ApplicationServices services) : m_services(std::move(services)) {}
CScoutrelApp::~CScoutrelApp() = default;

BOOL CScoutrelApp::InitInstance()
{
    // Record texts are shown in the locale's character set.
    std::setlocale(LC_CTYPE, "");

    // Without a display there is nothing to show: say so and start nothing.
    if (!CheckDisplayOrExplain(stderr)) {
        m_nExitCode = 1;
        return FALSE;
    }

    // One copy per machine: a second one asks the first to come to the front
    // and ends without a word.
    SingleInstanceLock::Outcome outcome = SingleInstanceLock::Outcome::kUnavailable;
    m_pInstanceLock = SingleInstanceLock::Acquire(outcome);
    if (outcome != SingleInstanceLock::Outcome::kFirstCopy || m_pInstanceLock == nullptr) return FALSE;

    CScoutrelHost host;

    if (!CreateConfigFiles()) {
        const std::string text(GetConfigErrorMessage(GetLanguageIndex()));
        if (m_services.showMessage) {
            m_services.showMessage(kApplicationName, text);
        } else {
            host.ShowMessageBox(nullptr, kApplicationName, text);
        }
        m_nExitCode = 1;
        return FALSE;
    }

    if (m_services.startEngine) {
        m_services.startEngine();
    } else {
        StartSearchEngine(DeviceRegistry::Instance());
        m_bEngineStarted = true;
    }

    CScoutrelDlg dialog;
    // The listener thread only hands the request on; the window handles it
    // on the user-interface thread. The weak reference reads null once the
    // window is gone.
    host.SetRaiseTarget(dialog.Ref());
    m_pInstanceLock->StartListening([&host] { host.RequestRaise(); });
    dialog.DoModal();
    // The listener stops before the host and the window go.
    m_pInstanceLock.reset();
    return FALSE;
}

int CScoutrelApp::ExitInstance()
{
    // The engine's workers are not waited for: stopping closes their sockets
    // and the process ends.
    if (m_bEngineStarted) StopSearchEngine();
    m_bEngineStarted = false;
    m_pInstanceLock.reset();
    return m_nExitCode;
}

int CScoutrelApp::Run()
{
    InitInstance();
    return ExitInstance();
}

int RunDeviceFinderWindow()
{
    CScoutrelApp app;
    return app.Run();
}
