#include <gtest/gtest.h>

#include "skin/TaskListTipState.h"

namespace {

// Brings the tip up for cell (1, 2) with the pointer resting at (40, 60).
TaskListTipState TipUp()
{
    TaskListTipState tip;
    tip.OnMouseMove(40, 60, 1, 2);
    tip.OnHoverTimer(40, 60);
    return tip;
}

TEST(TaskListTipStateTest, RestingOnACellShowsTheTipAndStartsItsTimers)
{
    TaskListTipState tip;
    const TipCommands move = tip.OnMouseMove(40, 60, 1, 2);
    EXPECT_TRUE(move.startHoverTimer);
    EXPECT_FALSE(move.showTip);

    const TipCommands hover = tip.OnHoverTimer(40, 60);
    EXPECT_TRUE(hover.stopHoverTimer);
    EXPECT_TRUE(hover.showTip);
    EXPECT_EQ(hover.showX, 40);
    EXPECT_EQ(hover.showY, 60);
    EXPECT_TRUE(hover.startHideTimer);
    EXPECT_TRUE(hover.startCheckTimer);
    EXPECT_TRUE(tip.TipVisible());
}

TEST(TaskListTipStateTest, PointerThatMovedOnDoesNotShowTheTip)
{
    TaskListTipState tip;
    tip.OnMouseMove(40, 60, 1, 2);
    const TipCommands hover = tip.OnHoverTimer(41, 60);
    EXPECT_FALSE(hover.showTip);
    EXPECT_FALSE(tip.TipVisible());
}

TEST(TaskListTipStateTest, EventsThatHideTheTip)
{
    struct Case {
        const char* name;
        TipCommands (*event)(TaskListTipState&);
        bool hides;
    };
    const Case cases[] = {
        {"hide timer", [](TaskListTipState& t) { return t.OnHideTimer(); }, true},
        {"wheel", [](TaskListTipState& t) { return t.OnWheel(); }, true},
        {"check timer off the rows", [](TaskListTipState& t) { return t.OnCheckTimer(kNoRow); }, true},
        {"check timer on a row", [](TaskListTipState& t) { return t.OnCheckTimer(3); }, false},
        {"move to another cell", [](TaskListTipState& t) { return t.OnMouseMove(140, 60, 1, 3); }, true},
        {"move off the cells", [](TaskListTipState& t) { return t.OnMouseMove(40, 500, kNoRow, 2); }, true},
        {"move within the cell", [](TaskListTipState& t) { return t.OnMouseMove(45, 62, 1, 2); }, false},
    };
    for (const Case& c : cases) {
        TaskListTipState tip = TipUp();
        const TipCommands commands = c.event(tip);
        EXPECT_EQ(commands.hideTip, c.hides) << c.name;
        EXPECT_EQ(commands.stopHideAndCheckTimers, c.hides) << c.name;
        EXPECT_EQ(tip.TipVisible(), !c.hides) << c.name;
    }
}

TEST(TaskListTipStateTest, MovingWithinTheShownCellRestartsTheHideTimer)
{
    TaskListTipState tip = TipUp();
    const TipCommands commands = tip.OnMouseMove(45, 62, 1, 2);
    EXPECT_TRUE(commands.startHideTimer);
    EXPECT_FALSE(commands.startHoverTimer);
}

TEST(TaskListTipStateTest, ShownOnceUntilThePointerChangesCell)
{
    TaskListTipState tip = TipUp();
    tip.OnHideTimer();
    // Resting again in the same cell: the hover timer runs but shows nothing.
    EXPECT_TRUE(tip.OnMouseMove(42, 60, 1, 2).startHoverTimer);
    EXPECT_FALSE(tip.OnHoverTimer(42, 60).showTip);
    // Another cell and back: shown again.
    tip.OnMouseMove(140, 60, 1, 3);
    tip.OnMouseMove(42, 60, 1, 2);
    EXPECT_TRUE(tip.OnHoverTimer(42, 60).showTip);
}

TEST(TaskListTipStateTest, TwoLineRule)
{
    EXPECT_FALSE(TipTextNeedsTwoLines(14.0, 14.0));
    EXPECT_FALSE(TipTextNeedsTwoLines(27.9, 14.0));
    EXPECT_TRUE(TipTextNeedsTwoLines(28.0, 14.0));
    EXPECT_FALSE(TipTextNeedsTwoLines(28.0, 0.0));
}

} // namespace
