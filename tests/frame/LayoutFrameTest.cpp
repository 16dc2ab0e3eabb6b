// The layout frame and the skinned dialogs on a headless host: the controls
// the English document names, ownership across rebuilds, the dialog size,
// its outline and its size bookkeeping.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "layout/frame/CBasicLayoutFrame.h"
#include "layout/frame/CBasicNoneBorderDlg.h"
#include "layout/frame/XmlThreadInit.h"
#include "platform/HeadlessHost.h"
#include "skin/CBasicButton.h"
#include "skin/CBasicCtrl.h"
#include "skin/CDriftButton.h"
#include "skin/CShowImageCtrl.h"
#include "skin/CShowTextCtrl.h"
#include "skin/CShowTextImageCtrl.h"
#include "skin/CStandardButton.h"
#include "skin/CStandardListCtrl.h"
#include "tests/frame/LayoutFolderFixture.h"

namespace {

const std::string kLayoutFile = "\\ZelvoSearchTools\\WndLayoutInfo.xml";

// A borderless dialog that builds every control the layout names, as the
// main window does, and records the size changes it passes on.
class FactoryDialog : public CBasicNoneBorderDlg {
public:
    void CreateLayoutCtrls() override
    {
        DestroyLayoutFonts();
        DestroyLayoutCtrls();
        RunFactorySteps(this);
    }
    bool OnInitDialog() override
    {
        CBasicNoneBorderDlg::OnInitDialog();
        LoadLayout(kLayoutFile, 201, "Standard");
        return true;
    }
};

// A dialog with the plain size bookkeeping of the dialog base.
class BookkeepingDialog : public CBasicDialog {
public:
    void OnParentSizeChanged(int dx, int dy) override { changes.push_back({dx, dy}); }
    std::vector<platform::Point> changes;
};

class LayoutFrameTest : public ::testing::Test {
protected:
    platform::HeadlessHost host;
    LayoutFolder folder;

    std::unique_ptr<FactoryDialog> OpenDialog()
    {
        auto dialog = std::make_unique<FactoryDialog>();
        EXPECT_TRUE(dialog->CreateModeless());
        host.Pump();
        return dialog;
    }

    static std::vector<int> ChildIds(const platform::Window& window)
    {
        std::vector<int> ids;
        for (const platform::Window* child : window.Children()) ids.push_back(child->ControlId());
        return ids;
    }
};

TEST_F(LayoutFrameTest, EnglishLayoutBuildsNineControlsInFactoryOrder)
{
    auto dialog = OpenDialog();
    EXPECT_EQ(ChildIds(*dialog), (std::vector<int>{2103, 2107, 2108, 2109, 2102, 2101, 2104, 2106, 2105}));

    struct Expected {
        int id;
        platform::Rect rect;
        bool (*isClass)(platform::Window*);
    };
    auto isButton = [](platform::Window* w) { return dynamic_cast<CStandardButton*>(w) != nullptr; };
    const Expected expected[] = {
        {2101, {7, 7, 23, 23}, [](platform::Window* w) { return dynamic_cast<CShowImageCtrl*>(w) != nullptr; }},
        {2102, {30, 4, 300, 29}, [](platform::Window* w) { return dynamic_cast<CShowTextCtrl*>(w) != nullptr; }},
        {2103, {300, 10, 311, 21}, isButton},
        {2104, {15, 32, 215, 47}, [](platform::Window* w) { return dynamic_cast<CShowTextImageCtrl*>(w) != nullptr; }},
        {2105, {10, 50, 318, 191}, [](platform::Window* w) { return dynamic_cast<CStandardListCtrl*>(w) != nullptr; }},
        {2106, {10, 194, 290, 209}, [](platform::Window* w) { return dynamic_cast<CShowTextImageCtrl*>(w) != nullptr; }},
        {2107, {18, 210, 97, 233}, isButton},
        {2108, {127, 210, 206, 233}, isButton},
        {2109, {228, 210, 307, 233}, isButton},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.id);
        platform::Window* child = dialog->FindChild(e.id);
        ASSERT_NE(child, nullptr);
        EXPECT_TRUE(e.isClass(child));
        EXPECT_EQ(child->RectInParent(), e.rect);
        EXPECT_TRUE(child->IsVisible());
    }

    // Each lookup searches only its own family.
    EXPECT_EQ(dialog->FindButtonCtrl(2107), dialog->FindChild(2107));
    EXPECT_EQ(static_cast<platform::Window*>(dialog->FindStaticCtrl(2106)), dialog->FindChild(2106));
    EXPECT_EQ(static_cast<platform::Window*>(dialog->FindListCtrl(2105)), dialog->FindChild(2105));
    EXPECT_EQ(dialog->FindButtonCtrl(2105), nullptr);
    EXPECT_EQ(dialog->FindStaticCtrl(2107), nullptr);
    EXPECT_EQ(dialog->FindListCtrl(2106), nullptr);
}

TEST_F(LayoutFrameTest, ControlsCarryTheirLayoutProperties)
{
    auto dialog = OpenDialog();
    CBasicButton* login = dialog->FindButtonCtrl(2107);
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(login->m_nStatusCount, 4);
    EXPECT_EQ(login->m_strText.value_or(""), "Log In");
    EXPECT_EQ(login->m_ptTextOffset, (platform::Point{0, 6}));
    EXPECT_EQ(login->m_clrText, 0xFFF4F5F7u);
    EXPECT_EQ(login->m_clrBorder, 0xFF7E9DB9u);
    EXPECT_EQ(login->m_nPaintMode, 4u);

    // The list gets a window font of the layout's face and height, the one
    // font the frame made.
    platform::Window* list = dialog->FindChild(2105);
    ASSERT_NE(list, nullptr);
    ASSERT_NE(list->GetFont(), nullptr);
    EXPECT_EQ(list->GetFont()->FaceName(), "宋体");
    EXPECT_EQ(list->GetFont()->SizeInPixels(), 12.0f);
    ASSERT_EQ(dialog->vecFonts.size(), 1u);
    EXPECT_EQ(dialog->vecFonts[0].get(), list->GetFont());

    ControlLayout record;
    EXPECT_EQ(dialog->GetCtrlLayout(2105, record), 0);
    EXPECT_EQ(record.clrText, 0x00694106u);
    ControlLayout untouched;
    untouched.nCtrlID = 77;
    EXPECT_EQ(dialog->GetCtrlLayout(9999, untouched), 1);
    EXPECT_EQ(untouched.nCtrlID, 77);

    EXPECT_EQ(dialog->GetLayoutString("SEARCH_DEVICE_LIST_ITEM_TYPE"), "Devcie Type");
    EXPECT_EQ(dialog->GetLayoutString("search_device_list_item_type"), "");
}

TEST_F(LayoutFrameTest, SecondLoadLeavesOnlyTheSecondBuild)
{
    auto dialog = OpenDialog();
    std::vector<platform::WindowRef> first;
    for (platform::Window* child : dialog->Children()) first.push_back(child->Ref());
    ASSERT_EQ(first.size(), 9u);

    dialog->LoadLayout(kLayoutFile, 201, "Standard");
    host.Pump();
    for (const platform::WindowRef& old : first) EXPECT_FALSE(old) << "a control of the first build survived";
    EXPECT_EQ(dialog->Children().size(), 9u);
    EXPECT_EQ(dialog->mapButtons.size() + dialog->mapStatics.size() + dialog->mapLists.size(), 9u);
    EXPECT_EQ(dialog->vecFonts.size(), 1u);
}

TEST_F(LayoutFrameTest, ClassKeywordsShowAndTooltipsFollowTheRecords)
{
    std::string text = LayoutFolder::Document("english.xml");
    // Other letter case: no window, the record stays.
    text = ReplaceOnce(text, "CtrlClass=\"ShowImageCtrl\"", "CtrlClass=\"showimagectrl\"");
    // Shown 0 with WS_VISIBLE: present, hidden.
    text = ReplaceOnce(text, "CtrlShow=\"5\" CtrlText=\"Device List\" CtrlTextOffSet=\"13,2\"",
                       "CtrlShow=\"0\" CtrlText=\"Device List\" CtrlTextOffSet=\"13,2\"");
    // A drift button with an empty description still gets a tooltip.
    text = ReplaceOnce(text, "CtrlClass=\"StandardButton\"", "CtrlClass=\"DriftButton\"");
    text = ReplaceOnce(text, "CtrlDiscrip=\"Close Button\"", "CtrlDiscrip=\"\"");
    folder.WriteLayout(text);

    auto dialog = OpenDialog();
    EXPECT_EQ(dialog->FindChild(2101), nullptr);
    ControlLayout record;
    EXPECT_EQ(dialog->GetCtrlLayout(2101, record), 0);
    EXPECT_EQ(record.strClass, "showimagectrl");

    CBasicCtrl* title = dialog->FindStaticCtrl(2104);
    ASSERT_NE(title, nullptr);
    EXPECT_FALSE(title->IsVisible());

    auto* drift = dynamic_cast<CDriftButton*>(dialog->FindButtonCtrl(2103));
    ASSERT_NE(drift, nullptr);
    EXPECT_TRUE(drift->m_hToolTip);
}

TEST_F(LayoutFrameTest, DestroyingTheFrameRemovesEveryControlAndReleasesTheXmlSetUp)
{
    const int held = XmlThreadInit::CountOnThisThread();
    auto dialog = OpenDialog();
    EXPECT_EQ(XmlThreadInit::CountOnThisThread(), held + 1);
    std::vector<platform::WindowRef> controls;
    for (platform::Window* child : dialog->Children()) controls.push_back(child->Ref());
    dialog.reset();
    host.Pump();
    for (const platform::WindowRef& c : controls) EXPECT_FALSE(c);
    EXPECT_EQ(XmlThreadInit::CountOnThisThread(), held);
}

TEST_F(LayoutFrameTest, MissingLayoutBuildsNothing)
{
    std::filesystem::remove(folder.ToolFolder() / "WndLayoutInfo.xml");
    auto dialog = OpenDialog();
    EXPECT_TRUE(dialog->Children().empty());
    EXPECT_EQ(dialog->FindListCtrl(2105), nullptr);
    EXPECT_EQ(dialog->GetLayoutString("SEARCH_DEVICE_LIST_ITEM_IP"), "");
}

// The window made from each built-in document: 328 x 245, the two top
// corners cut in runs of 5, 3, 2 and 1 pixels, square bottom corners.
TEST_F(LayoutFrameTest, EveryBuiltInDocumentGivesTheSameShapedWindow)
{
    for (const char* name : {"english.xml", "chinese-simplified.xml", "japanese.xml", "french.xml", "spanish.xml",
                             "italian.xml", "dutch.xml"}) {
        SCOPED_TRACE(name);
        folder.UseDocument(name);
        auto dialog = std::make_unique<FactoryDialog>();
        dialog->SetRegionImagePath((folder.PictureFolder() / "SearchDevice_BlackGround.bmp").string());
        ASSERT_TRUE(dialog->CreateModeless());
        host.Pump();
        EXPECT_EQ(dialog->WindowRect().GetSize(), (platform::Size{328, 245}));
        EXPECT_EQ(dialog->Children().size(), 9u);
        ASSERT_TRUE(dialog->GetRegion().has_value());
        const platform::Region& region = *dialog->GetRegion();
        EXPECT_EQ(region.Bounds(), (platform::Rect{0, 0, 328, 245}));
        const int run[] = {5, 3, 2, 1};
        for (int y = 0; y < 4; ++y) {
            EXPECT_FALSE(region.Contains({run[y] - 1, y})) << "left, row " << y;
            EXPECT_TRUE(region.Contains({run[y], y})) << "left, row " << y;
            EXPECT_FALSE(region.Contains({328 - run[y], y})) << "right, row " << y;
            EXPECT_TRUE(region.Contains({327 - run[y], y})) << "right, row " << y;
        }
        EXPECT_TRUE(region.Contains({0, 4}));
        EXPECT_TRUE(region.Contains({327, 4}));
        EXPECT_TRUE(region.Contains({0, 244}));
        EXPECT_TRUE(region.Contains({327, 244}));
    }
}

TEST_F(LayoutFrameTest, DialogSizeIsRightByBottomOfTheLayoutAtTheCurrentPosition)
{
    folder.WriteLayout(
        ReplaceOnce(LayoutFolder::Document("english.xml"), "DialogPos=\"0,0,328,245\"", "DialogPos=\"10,20,328,245\""));
    auto dialog = std::make_unique<FactoryDialog>();
    dialog->SetCreateParams(platform::WS_POPUP | platform::WS_VISIBLE, platform::Rect{40, 30, 520, 355});
    ASSERT_TRUE(dialog->CreateModeless());
    host.Pump();
    EXPECT_EQ(dialog->WindowRect(), (platform::Rect{40, 30, 378, 295}));
    EXPECT_EQ(dialog->layout.rcPos, (LayoutRect{40, 30, 378, 295}));
}

TEST_F(LayoutFrameTest, MissingRegionBitmapLeavesTheWindowRectangular)
{
    auto dialog = std::make_unique<FactoryDialog>();
    dialog->SetRegionImagePath((folder.PictureFolder() / "no-such.bmp").string());
    ASSERT_TRUE(dialog->CreateModeless());
    host.Pump();
    ASSERT_TRUE(dialog->GetRegion().has_value());
    EXPECT_TRUE(dialog->GetRegion()->Contains({0, 0}));
    EXPECT_EQ(dialog->GetRegion()->Bounds(), (platform::Rect{0, 0, 328, 245}));
}

TEST_F(LayoutFrameTest, SizeChangesPassTheDifferenceFromTheLastSize)
{
    BookkeepingDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless());
    dialog.LoadLayout(kLayoutFile, 201, "Standard");  // 328 x 245, notification on from here
    dialog.changes.clear();
    dialog.Move(0, 0, 338, 250);
    dialog.Move(0, 0, 340, 240);
    EXPECT_EQ(dialog.changes, (std::vector<platform::Point>{{10, 5}, {2, -10}}));
    EXPECT_EQ(dialog.m_rcLastClient, (platform::Rect{0, 0, 340, 240}));
}

TEST_F(LayoutFrameTest, ControlsAskingForColoursGetTheirLayoutTextColour)
{
    auto dialog = OpenDialog();
    platform::MemoryDC dc(4, 4);
    platform::ControlColorRequest request{&dc, dialog->FindChild(2105), platform::CTLCOLOR_STATIC, std::nullopt};
    dialog->Send(platform::WM_CTLCOLOR, 0, platform::ToParam(&request));
    EXPECT_EQ(dc.TextColor(), 0x00694106u);

    platform::ControlColorRequest own{&dc, dialog.get(), platform::CTLCOLOR_DLG, std::nullopt};
    const std::intptr_t result = dialog->Send(platform::WM_CTLCOLOR, 0, platform::ToParam(&own));
    (void)result;
    EXPECT_EQ(own.background.value_or(0), 0xFFFFFFFFu);
}

TEST_F(LayoutFrameTest, PressInTheTopBandDragsTheWindow)
{
    for (int y : {27, 28}) {
        SCOPED_TRACE(y);
        auto dialog = OpenDialog();
        const platform::Rect before = dialog->WindowRect();
        // A point of the band that no control covers.
        const platform::Point start = dialog->ClientToScreen(platform::Point{315, y});
        host.PointerButton(platform::MouseButton::Left, true, start);
        host.PointerMove(start + platform::Point{15, 12}, platform::MK_LBUTTON);
        host.PointerButton(platform::MouseButton::Left, false, start + platform::Point{15, 12});
        host.Pump();
        const platform::Rect after = dialog->WindowRect();
        const platform::Point moved = y < CaptionDragHeight ? platform::Point{15, 12} : platform::Point{0, 0};
        EXPECT_EQ(after.TopLeft(), (before.TopLeft() + moved));
    }
}

}  // namespace
