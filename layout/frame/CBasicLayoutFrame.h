#pragma once
// The layout holder and control factory inside every skinned dialog. It
// reads the layout of one dialog and section from the layout file, runs a
// fixed chain of virtual steps that the dialog classes override (apply the
// dialog-level values, create the controls), creates the controls the
// layout names by class keyword, and answers lookups of controls, control
// records and strings by id.
//
// The frame owns every control and every font it creates; the windows that
// use them keep plain pointers looked up by id. Rebuilding the controls (a
// second LoadLayout) and destroying the frame delete all of them.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Bool.h"
#include "layout/LayoutRecords.h"
#include "layout/frame/XmlThreadInit.h"
#include "platform/DeviceContext.h"
#include "platform/Font.h"
#include "platform/Window.h"

class CBasicPropertyFrame;
class CBasicButton;
class CBasicCtrl;
class CBasicListCtrl;

class CBasicLayoutFrame {
public:
    CBasicLayoutFrame();
    virtual ~CBasicLayoutFrame();
    CBasicLayoutFrame(const CBasicLayoutFrame&) = delete;
    CBasicLayoutFrame& operator=(const CBasicLayoutFrame&) = delete;

    // --- The chain of steps, in slot order ---------------------------------
    // Resolves the relative file name against the configuration base folder,
    // then LoadLayoutFromPath.
    virtual void LoadLayout(std::string strRelativePath, std::int32_t nDialogID, std::string strSection);
    // ReadLayout, then ApplyLayout.
    virtual void LoadLayoutFromPath(std::string strPath, std::int32_t nDialogID, std::string strSection);
    // Fills `layout` from the file. An absent attribute raises
    // LayoutAttributeMissing, which passes through to the caller of
    // LoadLayout; ApplyLayout then does not run.
    virtual void ReadLayout(std::string strPath, std::int32_t nDialogID, std::string strSection);
    // ApplyDialogLayout, then CreateLayoutCtrls.
    virtual void ApplyLayout();
    // Applies the dialog-level values; nothing here.
    virtual void ApplyDialogLayout();
    // Deletes the fonts and controls of an earlier build.
    virtual void CreateLayoutCtrls();
    virtual void ReservedLayoutHook1();
    // Looks up the controls a dialog works with; nothing here.
    virtual void BindLayoutCtrls();
    // Whether the controls a dialog needs are there; TRUE here.
    virtual BOOL IsLayoutReady();
    virtual void ReservedLayoutHook2(std::uint32_t nValue);
    virtual void ReservedLayoutHook3();

    // --- Factory steps: one per control class keyword ------------------------
    // Each walks the control records in ascending id order and creates a
    // control for every record whose class is exactly its keyword.
    void CreateStandardButtons(platform::Window* pParent);
    void CreateRadioBoxButtons(platform::Window* pParent);
    void CreateCheckBoxButtons(platform::Window* pParent);
    void CreateDriftButtons(platform::Window* pParent);
    void CreateShowTextCtrls(platform::Window* pParent);
    void CreateShowImageCtrls(platform::Window* pParent);
    void CreateShowTextImageCtrls(platform::Window* pParent);
    void CreateStandardListCtrls(platform::Window* pParent);
    void CreateShowTaskListCtrls(platform::Window* pParent);
    // The nine steps above in their fixed order, so windows are created
    // grouped by class and, within a class, by ascending id.
    void RunFactorySteps(platform::Window* pParent);

    // --- Lookups ----------------------------------------------------------
    // The control of that id in its own family, or null.
    CBasicButton* FindButtonCtrl(std::int32_t nCtrlID) const;
    CBasicCtrl* FindStaticCtrl(std::int32_t nCtrlID) const;
    CBasicListCtrl* FindListCtrl(std::int32_t nCtrlID) const;
    // 0 and a copy of the record when the layout has one for the id, else 1
    // with the output untouched.
    std::int32_t GetCtrlLayout(std::int32_t nCtrlID, ControlLayout& out) const;
    // The string of that id (exact, case-sensitive), or empty text.
    std::string GetLayoutString(std::string strStringID) const;

    // --- Fonts and ownership -------------------------------------------------
    // A new font of the face (at most 31 bytes of it, cut at a character
    // boundary) and height in pixels, kept in vecFonts and returned.
    platform::Font* CreateLayoutFont(std::string strFaceName, std::int32_t nHeight);
    void DestroyLayoutFonts();
    // Deletes every control, family by family and in ascending id order
    // within a family, and empties the maps.
    void DestroyLayoutCtrls();

    // --- Painting hooks ------------------------------------------------------
    // Every button, respectively every display control, takes the parent's
    // freshly painted pixels under it from dc as its background snapshot.
    void CaptureButtonBackgrounds(platform::Window* pParent, platform::DeviceContext& dc);
    void CaptureStaticBackgrounds(platform::Window* pParent, platform::DeviceContext& dc);

    DialogLayout layout;
    std::vector<std::unique_ptr<platform::Font>> vecFonts;
    std::map<std::int32_t, std::unique_ptr<CBasicButton>> mapButtons;
    std::map<std::int32_t, std::unique_ptr<CBasicCtrl>> mapStatics;
    std::map<std::int32_t, std::unique_ptr<CBasicPropertyFrame>> mapReserved1;
    std::map<std::int32_t, std::unique_ptr<CBasicPropertyFrame>> mapReserved2;
    std::map<std::int32_t, std::unique_ptr<CBasicListCtrl>> mapLists;
    std::map<std::int32_t, std::unique_ptr<CBasicPropertyFrame>> mapReserved3;

private:
    XmlThreadInit xmlThreadInit_;
};

// The longest face name a layout font keeps, in bytes.
inline constexpr std::size_t kLayoutFontFaceMax = 31;
