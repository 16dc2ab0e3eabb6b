#include "skin/TaskListTipState.h"

TipCommands TaskListTipState::HideTip()
{
    TipCommands commands;
    m_bTipVisible = false;
    commands.stopHideAndCheckTimers = true;
    commands.hideTip = true;
    return commands;
}

TipCommands TaskListTipState::OnMouseMove(int x, int y, int row, int column)
{
    TipCommands commands;
    if (row != kNoRow && column != kNoRow) {
        if (row != m_nTipRow || column != m_nTipCol) {
            m_nTipRow = row;
            m_nTipCol = column;
            m_bTipShown = false;
            commands = HideTip();
        }
        if (m_bTipVisible) {
            commands.startHideTimer = true;
        } else {
            m_ptTipMouseX = x;
            m_ptTipMouseY = y;
            commands.startHoverTimer = true;
        }
    } else if (m_bTipVisible) {
        m_bTipShown = false;
        commands = HideTip();
    }
    return commands;
}

TipCommands TaskListTipState::OnHoverTimer(int cursorX, int cursorY)
{
    TipCommands commands;
    commands.stopHoverTimer = true;
    if (cursorX == m_ptTipMouseX && cursorY == m_ptTipMouseY && !m_bTipShown) {
        m_bTipVisible = true;
        m_bTipShown = true;
        commands.showTip = true;
        commands.showX = m_ptTipMouseX;
        commands.showY = m_ptTipMouseY;
        commands.startHideTimer = true;
        commands.startCheckTimer = true;
    }
    return commands;
}

TipCommands TaskListTipState::OnHideTimer()
{
    return HideTip();
}

TipCommands TaskListTipState::OnCheckTimer(int cursorRow)
{
    return cursorRow == kNoRow ? HideTip() : TipCommands{};
}

TipCommands TaskListTipState::OnWheel()
{
    return HideTip();
}

TipCommands TaskListTipState::OnMouseLeave()
{
    m_ptTipMouseX = -1;
    m_ptTipMouseY = -1;
    return {};
}
