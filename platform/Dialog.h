#pragma once
// A top-level dialog window: created by DoModal (which runs a modal loop
// until EndDialog) or by CreateModeless. Enter ends it with IDOK and
// Escape with IDCANCEL (OnOK, OnCancel), as do the commands IDOK and
// IDCANCEL and WM_CLOSE (as Cancel).
#include "platform/Window.h"

namespace platform {

class Dialog : public Window {
public:
    Dialog();

    // Style and rectangle (screen) the dialog window is created with;
    // default WS_POPUP | WS_VISIBLE, 480 x 325 at (0, 0).
    void SetCreateParams(Style style, const Rect& rect) { createStyle_ = style, createRect_ = rect; }
    // Creates the window, sends WM_INITDIALOG (OnInitDialog), shows it,
    // runs the modal loop, destroys the window and returns the result.
    // An owner is disabled while the dialog runs.
    int DoModal(Window* owner = nullptr);
    // Creates and initialises the window without a loop of its own.
    bool CreateModeless(Window* owner = nullptr);
    // Ends the dialog with a result: the modal loop returns it.
    void EndDialog(int result);
    bool HasEnded() const { return ended_; }
    int Result() const { return result_; }

protected:
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    std::intptr_t HandleMessage(const Message& message) override;
    bool OnKeyDown(int key, std::uint32_t flags) override;
    bool OnCommand(int id, int code, Window* from) override;
    void OnClose() override { OnCancel(); }
    bool OnEraseBackground(DeviceContext& dc) override;
    std::string_view DefaultClassName() const override { return classes::Dialog; }

private:
    bool CreateAndInit(Window* owner);
    Style createStyle_ = WS_POPUP | WS_VISIBLE;
    Rect createRect_{0, 0, 480, 325};
    bool ended_ = false;
    int result_ = 0;
};

}  // namespace platform
