#include "skin/CShowTaskListCtrl.h"

#include <algorithm>

#include "platform/Host.h"
#include "skin/ScrollRequest.h"
#include "skin/SkinMessages.h"
#include "skin/TaskListCells.h"
#include "skin/TaskListRowGeometry.h"
#include "skin/TaskListScrollNeed.h"

using platform::DeviceContext;
using platform::Graphics;
using platform::Point;
using platform::Rect;
using platform::RectF;

namespace {

ScrollState StateOf(const platform::ScrollBar& bar)
{
    const platform::ScrollInfo info = bar.GetScrollInfo();
    return ScrollState{info.min, info.max, info.page, info.pos, info.trackPos};
}

} // namespace

CShowTaskListCtrl::CShowTaskListCtrl()
    : m_pPercentFont(std::make_unique<platform::Font>("Arial", 11.0f))
{
    m_wndHeader.m_nBandHeight = m_nHeaderHeight;
}

CShowTaskListCtrl::~CShowTaskListCtrl() = default;

TaskListMetrics CShowTaskListCtrl::Metrics() const
{
    return TaskListMetrics{m_nRowHeight, m_nSelRowHeight, m_nHeaderHeight, m_nVScrollWidth, m_nHScrollHeight};
}

std::vector<int> CShowTaskListCtrl::ColumnWidths() const
{
    std::vector<int> widths;
    for (const platform::ListColumn& column : Columns()) {
        widths.push_back(column.width);
    }
    return widths;
}

TaskListSelection CShowTaskListCtrl::ReadSelection() const
{
    TaskListSelection selection;
    selection.selected.resize(static_cast<std::size_t>(GetItemCount()));
    for (int row = 0; row < GetItemCount(); ++row) {
        selection.selected[static_cast<std::size_t>(row)] = GetItemState(row, platform::LVIS_SELECTED) != 0;
    }
    selection.anchor = m_nAnchor;
    return selection;
}

void CShowTaskListCtrl::WriteSelection(const TaskListSelection& selection)
{
    for (int row = 0; row < GetItemCount() && row < static_cast<int>(selection.selected.size()); ++row) {
        const bool selected = selection.selected[static_cast<std::size_t>(row)];
        if ((GetItemState(row, platform::LVIS_SELECTED) != 0) != selected) {
            SetItemState(row, selected ? platform::LVIS_SELECTED : 0, platform::LVIS_SELECTED);
        }
    }
    m_nAnchor = selection.anchor;
}

int CShowTaskListCtrl::SingleSelection() const
{
    return GetSelectedCount() == 1 ? GetNextItem(-1, platform::LVNI_SELECTED) : kNoRow;
}

int CShowTaskListCtrl::VerticalPosition() const
{
    return m_wndVScroll.IsCreated() ? m_wndVScroll.Position() : 0;
}

int CShowTaskListCtrl::HorizontalPosition() const
{
    return m_wndHScroll.IsCreated() ? m_wndHScroll.Position() : 0;
}

// --- Creation ------------------------------------------------------------------

int CShowTaskListCtrl::OnCreate()
{
    if (CBasicDrawListCtrl::OnCreate() == -1) {
        return -1;
    }
    UseHeader(m_wndHeader);

    const Rect client = ClientRect();
    const platform::Style bar = platform::WS_CHILD | platform::WS_VISIBLE | platform::WS_GROUP;
    m_wndVScroll.Create(this, Rect{client.right - 16, client.top, client.right, client.bottom},
                        bar | platform::SBS_VERT, kTaskListVScrollId);
    m_wndHScroll.Create(this, Rect{client.left, client.bottom - 16, client.right, client.bottom},
                        bar | platform::SBS_HORZ, kTaskListHScrollId);
    m_wndVScroll.Show(platform::SW_HIDE);
    m_wndHScroll.Show(platform::SW_HIDE);

    // The tip: a bordered text box on its own colour, hidden until needed.
    m_wndTip.m_nPaintMode = PAINT_BORDER | PAINT_BGCOLOR;
    m_wndTip.m_clrBG = m_clrTipBG | 0xFF000000u;
    m_wndTip.CreateEx(kShowTextCtrlClass, "", platform::WS_CHILD | platform::WS_VISIBLE, Rect{0, 0, 10, 10}, this,
                      kTaskListTipId);
    m_wndTip.m_clrText = m_clrTipText;
    m_wndTip.Show(platform::SW_HIDE);
    return 0;
}

void CShowTaskListCtrl::OnDestroy()
{
    CBasicDrawListCtrl::OnDestroy();
    if (m_wndTip.IsCreated()) {
        m_wndTip.Destroy();
    }
}

void CShowTaskListCtrl::SetProgressBar(const std::string& barPath, const std::string& fillPath, int left, int top,
                                       int width, int height)
{
    m_pBarImage = std::make_unique<platform::Picture>(platform::Picture::Load(barPath));
    m_pBarFillImage = std::make_unique<platform::Picture>(platform::Picture::Load(fillPath));
    m_nBarLeft = left;
    m_nBarTop = top;
    m_nBarWidth = width;
    m_nBarHeight = height;
    InvalidateRows();
}

// --- Geometry ------------------------------------------------------------------

void CShowTaskListCtrl::InvalidateRows()
{
    if (!IsCreated()) {
        return;
    }
    Rect rows = ClientRect();
    rows.top += m_nHeaderHeight;
    if (m_wndVScroll.IsCreated() && m_wndVScroll.IsVisible()) {
        rows.right -= m_nVScrollWidth;
    }
    if (m_wndHScroll.IsCreated() && m_wndHScroll.IsVisible()) {
        rows.bottom -= m_nHScrollHeight;
    }
    InvalidateRect(rows, true);
}

void CShowTaskListCtrl::OnSizeChanged(int nType, int cx, int cy)
{
    UpdateScrollBars();
    InvalidateRows();
    CBasicDrawListCtrl::OnSizeChanged(nType, cx, cy);
}

void CShowTaskListCtrl::UpdateScrollBars()
{
    if (!m_wndVScroll.IsCreated() || !m_wndHScroll.IsCreated()) {
        return;
    }
    if (GetItemCount() == 0) {
        // Back to the top as well, so rows added later are not drawn and
        // hit-tested with a position that belonged to the old rows.
        m_wndVScroll.SetPosition(0, false);
        m_wndHScroll.SetPosition(0, false);
        m_wndHeader.m_nClipOffset = 0;
        m_wndVScroll.Show(platform::SW_HIDE);
        m_wndHScroll.Show(platform::SW_HIDE);
        return;
    }
    const Rect client = ClientRect();
    int columnSum = 0;
    for (int width : ColumnWidths()) {
        columnSum += width;
    }
    const TaskListScrollPlan plan = PlanTaskListScrollBars(
        TaskListScrollInput{GetItemCount(), SingleSelection() != kNoRow, client.Width(), client.Height(), columnSum},
        Metrics());

    platform::ScrollInfo vertical;
    vertical.mask = platform::SIF_RANGE | platform::SIF_PAGE | platform::SIF_POS;
    vertical.min = 0;
    vertical.max = plan.contentHeight;
    vertical.page = plan.verticalPage;
    vertical.pos = 0;
    m_wndVScroll.SetScrollInfo(vertical, true);
    platform::ScrollInfo horizontal = vertical;
    horizontal.max = plan.contentWidth;
    horizontal.page = plan.horizontalPage;
    m_wndHScroll.SetScrollInfo(horizontal, true);
    m_wndHeader.m_nClipOffset = 0;

    m_wndVScroll.Move(Rect::FromXywh(client.right - m_nVScrollWidth, m_nHeaderHeight, m_nVScrollWidth,
                                     client.bottom - (plan.showHorizontal ? m_nHScrollHeight : 0) - m_nHeaderHeight),
                      true);
    m_wndHScroll.Move(Rect::FromXywh(client.left, client.bottom - m_nHScrollHeight,
                                     client.Width() - (plan.showVertical ? 16 : 0), m_nHScrollHeight),
                      true);
    m_wndVScroll.Show(plan.showVertical ? platform::SW_SHOW : platform::SW_HIDE);
    m_wndHScroll.Show(plan.showHorizontal ? platform::SW_SHOW : platform::SW_HIDE);
}

int CShowTaskListCtrl::HitTestRow(Point point) const
{
    return TaskListHitTestRow(point.y, VerticalPosition(), SingleSelection(), GetItemCount(), Metrics());
}

int CShowTaskListCtrl::HitTestColumn(int x) const
{
    return TaskListHitTestColumn(x, HorizontalPosition(), ColumnWidths());
}

// --- Painting ------------------------------------------------------------------

void CShowTaskListCtrl::DrawList(DeviceContext& dc)
{
    {
        Graphics g(dc);
        DrawBackground(Parent(), this, g, dc);
    }
    DrawListItems(dc);
    // The header gets a picture of the list as just painted.
    m_wndHeader.CaptureBackground(dc, &m_wndHeader, this);
}

void CShowTaskListCtrl::DrawListItems(DeviceContext& dc)
{
    Graphics g(dc);
    g.SetSmoothingMode(platform::SmoothingMode::HighSpeed);
    const int vScroll = VerticalPosition();
    const int hScroll = HorizontalPosition();
    const Rect client = ClientRect();
    g.FillRectangle(m_clrBG, Rect{client.left, client.top + m_nHeaderHeight, client.right, client.bottom});

    platform::StringFormat cellFormat;
    cellFormat.alignment = platform::StringAlignment::Near;
    cellFormat.lineAlignment = platform::StringAlignment::Center;
    cellFormat.trimming = platform::StringTrimming::EllipsisWord;
    const bool drawText = m_pTextFont && m_pTextFont->IsUsable();
    const std::vector<int> widths = ColumnWidths();
    const int single = SingleSelection();
    const TaskListMetrics metrics = Metrics();

    // Every row, also those scrolled out of view: the clip keeps them off.
    for (int row = 0; row < GetItemCount(); ++row) {
        const RowSpan span = TaskListRowSpan(row, single, vScroll, metrics);
        if (GetItemState(row, platform::LVIS_SELECTED) != 0) {
            g.FillRectangle(m_clrSelRow, client.left, span.top, client.Width(), span.bottom - span.top);
        }
        g.DrawLine(m_clrGridLine, client.left, span.top - 1, client.right, span.top - 1);

        const std::string status = GetItemText(row, kTaskStatusSubitem);
        int x = client.left;
        for (int column = 0; column < static_cast<int>(widths.size()); ++column) {
            const int width = widths[static_cast<std::size_t>(column)];
            if (width == 0) {
                continue;
            }
            const std::string text =
                TaskCellText(status, column, GetItemText(row, column), GetItemText(row, kTaskPercentSubitem));
            if (IsProgressCell(column, text)) {
                DrawProgressCell(g, x, width, span.top, hScroll, text);
            } else if (drawText) {
                g.DrawString(text, *m_pTextFont, m_clrText,
                             RectF{static_cast<float>(x - hScroll), static_cast<float>(span.top + 8),
                                   static_cast<float>(width), 16.0f},
                             cellFormat);
            }
            x += width;
        }

        const int icon = TaskStatusIconIndex(status, GetItemText(row, kTaskFlagSubitem),
                                             GetItemText(row, kTaskRunningFlagSubitem));
        if (icon >= 0) {
            DrawStatusImage(g, icon, client.left - hScroll + 10 + m_ptImagePos.x, span.top + 6 + m_ptImagePos.y);
        }
    }

    if (m_bBandActive) {
        const BandRect band = TaskListBandRect(m_ptBandStart.x, m_ptBandStart.y, m_ptMouse.x, m_ptMouse.y,
                                               client.right, client.bottom, metrics);
        g.FillRectangle(m_clrBandFill, band.left, band.top, band.right - band.left, band.bottom - band.top);
        g.DrawRectangle(m_clrBandBorder, band.left, band.top, band.right - band.left, band.bottom - band.top);
    }
}

void CShowTaskListCtrl::DrawProgressCell(Graphics& g, int x, int width, int top, int hScroll, const std::string& text)
{
    const ProgressCellLayout layout = LayoutProgressCell(width, m_nBarLeft, m_nBarWidth, text);
    if (!layout.drawn) {
        return;
    }
    const int barX = x + m_nBarLeft - hScroll;
    const int barY = top + m_nBarTop;
    if (m_pBarImage && layout.barWidth > 0) {
        g.DrawImage(*m_pBarImage, Rect::FromXywh(barX, barY, layout.barWidth, m_nBarHeight),
                    Rect::FromXywh(0, 0, layout.barWidth, m_nBarHeight));
    }
    // The fill is drawn from its own picture, so it is that picture that
    // must exist.
    if (m_pBarFillImage && layout.fillWidth > 0) {
        g.DrawImage(*m_pBarFillImage, Rect::FromXywh(barX, barY, layout.fillWidth, m_nBarHeight),
                    Rect::FromXywh(0, 0, layout.fillWidth, m_nBarHeight));
    }
    if (m_pPercentFont && m_pPercentFont->IsUsable()) {
        platform::StringFormat centred;
        centred.alignment = platform::StringAlignment::Center;
        centred.lineAlignment = platform::StringAlignment::Center;
        g.DrawString(text, *m_pPercentFont, m_clrText,
                     RectF{static_cast<float>(barX), static_cast<float>(barY), static_cast<float>(m_nBarWidth),
                           static_cast<float>(m_nBarHeight)},
                     centred);
    }
}

// --- Selection -----------------------------------------------------------------

void CShowTaskListCtrl::OnLButtonDown(std::uint32_t flags, Point point)
{
    SetCapture();
    const int row = HitTestRow(point);
    TaskListSelection selection = ReadSelection();
    if (row == kNoRow) {
        // Empty space: the selection goes and a band starts here.
        ApplyLeftPress(selection, kNoRow, {});
        WriteSelection(selection);
        InvalidateRows();
        m_bBandActive = TRUE;
        m_ptBandStart = point;
        m_ptMouse = point;
        return;
    }
    m_bBandActive = FALSE;
    ApplyLeftPress(selection, row,
                   SelectionModifiers{(flags & platform::MK_SHIFT) != 0, (flags & platform::MK_CONTROL) != 0});
    WriteSelection(selection);
    InvalidateRows();
}

void CShowTaskListCtrl::OnLButtonUp(std::uint32_t flags, Point point)
{
    (void)flags;
    ReleaseCapture();
    if (!m_bBandActive) {
        return;
    }
    m_bBandActive = FALSE;
    const Rect client = ClientRect();
    const BandRect band =
        TaskListBandRect(m_ptBandStart.x, m_ptBandStart.y, point.x, point.y, client.right, client.bottom, Metrics());
    TaskListSelection selection = ReadSelection();
    ApplyBandSelection(selection, band.top, band.bottom, VerticalPosition(), Metrics());
    WriteSelection(selection);
    InvalidateRows();
}

void CShowTaskListCtrl::OnRButtonDown(std::uint32_t flags, Point point)
{
    TaskListSelection selection = ReadSelection();
    if (ApplyRightPress(selection, HitTestRow(point),
                        SelectionModifiers{(flags & platform::MK_SHIFT) != 0, (flags & platform::MK_CONTROL) != 0})) {
        WriteSelection(selection);
        InvalidateRows();
    }
}

void CShowTaskListCtrl::OnRButtonUp(std::uint32_t flags, Point point)
{
    (void)flags;
    (void)point;
    if (platform::Window* parent = Parent()) {
        parent->Send(WM_TASKLIST_RBUTTONUP, static_cast<std::uintptr_t>(ControlId()), 0);
    }
}

// --- Scrolling -----------------------------------------------------------------

void CShowTaskListCtrl::OnNcCalcSize(Rect& proposedClient)
{
    // The list view must never show its own scroll bars.
    ModifyStyle(platform::WS_VSCROLL | platform::WS_HSCROLL, 0);
    CBasicDrawListCtrl::OnNcCalcSize(proposedClient);
}

void CShowTaskListCtrl::OnVScroll(int code, int position, platform::Window* scrollBar)
{
    if (scrollBar == &m_wndVScroll) {
        const ScrollState state = StateOf(m_wndVScroll);
        const int wanted = RequestedScrollPosition(ScrollRequestFromCode(code), state);
        if (m_wndVScroll.SetPosition(wanted, true) != state.position) {
            InvalidateRows();
        }
    }
    CBasicDrawListCtrl::OnVScroll(code, position, scrollBar);
}

void CShowTaskListCtrl::OnHScroll(int code, int position, platform::Window* scrollBar)
{
    if (scrollBar == &m_wndHScroll) {
        const ScrollState state = StateOf(m_wndHScroll);
        m_wndHScroll.SetPosition(RequestedScrollPosition(ScrollRequestFromCode(code), state), true);
        HorizontalStep(0);
    }
    CBasicDrawListCtrl::OnHScroll(code, position, scrollBar);
}

void CShowTaskListCtrl::HorizontalStep(int change)
{
    const ScrollState state = StateOf(m_wndHScroll);
    const int position = ClampScrollPosition(state.position + change, state);
    m_wndHScroll.SetPosition(position, true);
    m_wndHeader.m_nClipOffset = position;
    m_wndHeader.Invalidate(true);
    Invalidate(true);
    InvalidateRows();
}

bool CShowTaskListCtrl::OnMouseWheel(std::uint32_t flags, int delta, Point screenPoint)
{
    bool used = false;
    if (m_wndVScroll.IsCreated() && m_wndVScroll.IsVisible()) {
        const ScrollState state = StateOf(m_wndVScroll);
        m_wndVScroll.SetPosition(ClampScrollPosition(state.position - delta, state), true);
        InvalidateRows();
        used = true;
    } else if (m_wndHScroll.IsCreated() && m_wndHScroll.IsVisible()) {
        HorizontalStep(-delta);
        used = true;
    }
    CarryOut(m_tipState.OnWheel());
    // A turn with nothing to scroll goes on to the parent.
    return used || platform::Window::OnMouseWheel(flags, delta, screenPoint);
}

// --- Tip -----------------------------------------------------------------------

void CShowTaskListCtrl::OnMouseMove(std::uint32_t flags, Point point)
{
    m_ptMouse = point;
    if (!m_bTracking) {
        m_bTracking = TrackMouse(platform::TME_HOVER | platform::TME_LEAVE, 1) ? TRUE : FALSE;
    }
    CarryOut(m_tipState.OnMouseMove(point.x, point.y, HitTestRow(point), HitTestColumn(point.x)));
    // Also redraws a dragged band.
    InvalidateRows();
    (void)flags;
}

void CShowTaskListCtrl::OnMouseLeave()
{
    m_ptMouse = Point{-1, -1};
    CarryOut(m_tipState.OnMouseLeave());
    m_bTracking = FALSE;
    InvalidateRows();
    CBasicDrawListCtrl::OnMouseLeave();
}

Point CShowTaskListCtrl::CursorInClient() const
{
    return ScreenToClient(GetHost().PointerPosition());
}

void CShowTaskListCtrl::OnTimer(std::uintptr_t id)
{
    switch (id) {
    case kTipHoverTimer: {
        const Point cursor = CursorInClient();
        CarryOut(m_tipState.OnHoverTimer(cursor.x, cursor.y));
        break;
    }
    case kTipHideTimer:
        CarryOut(m_tipState.OnHideTimer());
        break;
    case kTipCheckTimer:
        CarryOut(m_tipState.OnCheckTimer(HitTestRow(CursorInClient())));
        break;
    default:
        break;
    }
    CBasicDrawListCtrl::OnTimer(id);
}

void CShowTaskListCtrl::HideTip()
{
    CarryOut(m_tipState.OnHideTimer());
}

void CShowTaskListCtrl::CarryOut(const TipCommands& commands)
{
    if (commands.stopHoverTimer) {
        KillTimer(kTipHoverTimer);
    }
    if (commands.stopHideAndCheckTimers) {
        KillTimer(kTipCheckTimer);
        KillTimer(kTipHideTimer);
    }
    if (commands.hideTip) {
        if (m_wndTip.IsCreated()) {
            m_wndTip.Show(platform::SW_HIDE);
        }
        InvalidateRows();
    }
    if (commands.showTip) {
        ShowTipAt(Point{commands.showX, commands.showY});
    }
    if (commands.startHoverTimer) {
        SetTimer(kTipHoverTimer, static_cast<int>(kTipHoverDelayMs));
    }
    if (commands.startHideTimer) {
        SetTimer(kTipHideTimer, static_cast<int>(kTipHideDelayMs));
    }
    if (commands.startCheckTimer) {
        SetTimer(kTipCheckTimer, static_cast<int>(kTipCheckPeriodMs));
    }
}

void CShowTaskListCtrl::ShowTipAt(Point point)
{
    const int row = HitTestRow(point);
    const int column = HitTestColumn(point.x);
    if (row == kNoRow || column == kNoRow || !m_wndTip.IsCreated() || !m_pTextFont || !m_pTextFont->IsUsable()) {
        return;
    }
    const std::string text = GetItemText(row, column);
    platform::MemoryDC measureDc(1, 1);
    Graphics g(measureDc);
    const RectF measured =
        g.MeasureString(text, *m_pTextFont, RectF{0, 0, static_cast<float>(GetColumnWidth(column)), 0});
    // Only a text that does not fit on one line needs the tip.
    if (!TipTextNeedsTwoLines(measured.height, static_cast<double>(m_pTextFont->LineHeight()))) {
        return;
    }
    m_wndTip.SetText(text, 3, 3);
    platform::Size size;
    m_wndTip.MeasureTextExtent(size);
    m_wndTip.Move(point.x, point.y + kTipDropBelowPointer, size.width, size.height, true);
    m_wndTip.BringToTop();
    m_wndTip.Show(platform::SW_SHOW);
    m_wndTip.Invalidate();
}
