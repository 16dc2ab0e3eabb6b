#pragma once
// A skinned dialog: the platform dialog, the drawing properties and the
// layout frame in one window. It takes its size, background, colours, font
// and text from the layout document, paints itself double-buffered, gives its
// child controls their layout text colour and passes size changes on.
#include <optional>
#include <string>

#include "layout/frame/CBasicLayoutFrame.h"
#include "platform/Dialog.h"
#include "skin/CBasicPropertyFrame.h"

// The dialog id every skinned dialog is made from; the real size comes from
// the layout document.
inline constexpr std::int32_t kSkinnedDialogTemplateId = 201;

class CBasicDialog : public platform::Dialog, public CBasicPropertyFrame, public CBasicLayoutFrame {
public:
    CBasicDialog();
    ~CBasicDialog() override;

    // Paints the whole dialog into dc: here the layout's background colour.
    virtual void DrawDialog(platform::DeviceContext& dc);
    // Reacts to a new client size: passes the change on while size
    // notification is on, and records the client rectangle.
    virtual void OnSizeChanged(int nType, int cx, int cy);
    // Gives the window an outline with 5 x 5 rounded corners.
    virtual void ApplyRoundRegion();

    // Loads the layout like the frame does, then switches size notification on.
    void LoadLayout(std::string strRelativePath, std::int32_t nDialogID, std::string strSection) override;
    // Background picture, colour, paint mode, font, text colour and text of
    // the dialog; its title; and its size x + w by y + h at its position.
    void ApplyDialogLayout() override;
    // Deletes an earlier build, then applies the control records to the
    // dialog's own child windows (ApplyTemplateCtrlLayouts). Creates no
    // factory controls.
    void CreateLayoutCtrls() override;
    void ApplyTemplateCtrlLayouts();

protected:
    bool OnInitDialog() override;
    void OnPaint(platform::DeviceContext& dc) override;
    bool OnEraseBackground(platform::DeviceContext& dc) override;
    std::optional<platform::Argb> OnCtlColor(platform::DeviceContext& dc, platform::Window* control, int kind) override;
    void OnSize(int sizeType, int cx, int cy) override;
};
