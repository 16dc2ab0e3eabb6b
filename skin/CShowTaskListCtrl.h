#pragma once
// A list of tasks that draws itself completely. The list view underneath
// keeps only the data: the columns and their widths, the rows with their
// cell texts, and each row's selected state. On top of it the control draws
// 30-pixel rows with a status icon from its status strip, cell texts cut
// with an ellipsis, a percentage column with a progress bar, its own
// vertical and horizontal scroll bars, a selection band, and a tip that
// shows a cell's whole text once the mouse has rested on it.
//
// The owner adds columns and rows through the list view operations
// (InsertColumn, InsertItem, SetItemText; subitem 2 holds the one-letter
// status, subitem 5 a percentage, subitems 14 and 16 flags; column 6 is the
// percentage column), may give the progress-bar pictures with
// SetProgressBar, and hears WM_TASKLIST_RBUTTONUP on every right-button
// release.
#include <memory>
#include <string>
#include <vector>

#include "core/Bool.h"
#include "platform/ScrollBar.h"
#include "skin/CBasicDrawListCtrl.h"
#include "skin/CShowTaskHeaderCtrl.h"
#include "skin/CTaskListTipCtrl.h"
#include "skin/TaskListMetrics.h"
#include "skin/TaskListSelection.h"
#include "skin/TaskListTipState.h"

inline constexpr int kTaskListVScrollId = 1001;
inline constexpr int kTaskListHScrollId = 1002;
inline constexpr int kTaskListTipId = 1003;

class CShowTaskListCtrl : public CBasicDrawListCtrl {
public:
    CShowTaskListCtrl();
    ~CShowTaskListCtrl() override;

    void DrawList(platform::DeviceContext& dc) override;
    void DrawListItems(platform::DeviceContext& dc) override;
    void OnSizeChanged(int nType, int cx, int cy) override;

    // The progress-bar background and fill pictures, where the bar lies in
    // the percentage cell (left, top) and its size.
    void SetProgressBar(const std::string& barPath, const std::string& fillPath, int left, int top, int width,
                        int height);

    // The row and column under a client point (kNoRow for none).
    int HitTestRow(platform::Point point) const;
    int HitTestColumn(int x) const;
    // The rows area less the visible scroll bars, invalidated.
    void InvalidateRows();
    // Recomputes both scroll bars (and returns both positions to 0).
    void UpdateScrollBars();
    void HideTip();

    bool IsTipShowing() const { return m_wndTip.IsCreated() && m_wndTip.IsVisible(); }
    int VerticalPosition() const;
    int HorizontalPosition() const;

    // Embedded parts, measures, colours and state. The
    // tip's own state (visible, shown, its cell and rest point) lives in
    // m_tipState.
    CShowTaskHeaderCtrl m_wndHeader;
    CTaskListTipCtrl m_wndTip;
    TaskListTipState m_tipState;
    platform::ScrollBar m_wndVScroll;
    platform::ScrollBar m_wndHScroll;
    int m_nRowHeight = 30;
    int m_nSelRowHeight = 30;
    int m_nHeaderHeight = 20;
    int m_nVScrollWidth = 16;
    int m_nHScrollHeight = 16;
    platform::Point m_ptMouse{-1, -1};
    BOOL m_bTracking = FALSE;
    std::unique_ptr<platform::Font> m_pPercentFont;
    std::unique_ptr<platform::Picture> m_pBarImage;
    std::unique_ptr<platform::Picture> m_pBarFillImage;
    int m_nBarLeft = 0;
    int m_nBarTop = 0;
    int m_nBarWidth = 0;
    int m_nBarHeight = 0;
    ARGB m_clrSelRow = 0xFFE8F5FF;
    ARGB m_clrGridLine = 0xFFF4F4F6;
    ARGB m_clrBandFill = 0x96DAE9FD;
    ARGB m_clrBandBorder = 0x96ADCFF8;
    ARGB m_clrTipBG = 0xFFFEF5BD;
    ARGB m_clrTipText = 0xFF9B6912;
    int m_nAnchor = kNoRow;
    platform::Point m_ptBandStart{-1, -1};
    BOOL m_bBandActive = FALSE;

protected:
    int OnCreate() override;
    void OnDestroy() override;
    void OnMouseMove(std::uint32_t flags, platform::Point point) override;
    void OnMouseLeave() override;
    bool OnMouseWheel(std::uint32_t flags, int delta, platform::Point screenPoint) override;
    void OnLButtonDown(std::uint32_t flags, platform::Point point) override;
    void OnLButtonUp(std::uint32_t flags, platform::Point point) override;
    void OnRButtonDown(std::uint32_t flags, platform::Point point) override;
    void OnRButtonUp(std::uint32_t flags, platform::Point point) override;
    void OnNcCalcSize(platform::Rect& proposedClient) override;
    void OnVScroll(int code, int position, platform::Window* scrollBar) override;
    void OnHScroll(int code, int position, platform::Window* scrollBar) override;
    void OnTimer(std::uintptr_t id) override;
    // Every press is a press: the selection rules, not the list view's
    // double-click handling, decide.
    bool WantsDoubleClicks() const override { return false; }

private:
    TaskListMetrics Metrics() const;
    std::vector<int> ColumnWidths() const;
    TaskListSelection ReadSelection() const;
    void WriteSelection(const TaskListSelection& selection);
    int SingleSelection() const;
    void HorizontalStep(int change);
    void CarryOut(const TipCommands& commands);
    void ShowTipAt(platform::Point point);
    platform::Point CursorInClient() const;
    void DrawProgressCell(platform::Graphics& g, int x, int width, int top, int hScroll, const std::string& text);
};
