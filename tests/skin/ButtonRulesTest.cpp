#include <gtest/gtest.h>

#include "skin/ButtonStateIndex.h"
#include "skin/ButtonTextPlacement.h"

namespace {

struct StateCase {
    int count;
    bool checked, pressed, disabled, hover;
    int button;    // push, drift and radio buttons
    int checkBox;  // check boxes
};

class ButtonStateIndexTest : public ::testing::TestWithParam<StateCase> {};

TEST_P(ButtonStateIndexTest, ChoosesStatePicture)
{
    const StateCase c = GetParam();
    const ButtonVisualState state{c.checked, c.pressed, c.disabled, c.hover};
    EXPECT_EQ(ChooseButtonStateIndex(c.count, state), c.button);
    EXPECT_EQ(ChooseCheckBoxStateIndex(c.count, state), c.checkBox);
}

constexpr int kNone = kNoStatePicture;

INSTANTIATE_TEST_SUITE_P(
    Counts, ButtonStateIndexTest,
    ::testing::Values(
        // 2 states: only the check state counts.
        StateCase{2, false, true, true, true, 0, 0},
        StateCase{2, true, false, false, false, 1, 1},
        // 4 states: normal, hover, pressed, disabled; disabled wins, then pressed.
        StateCase{4, false, false, false, false, 0, kNone},
        StateCase{4, false, false, false, true, 1, kNone},
        StateCase{4, false, true, false, true, 2, kNone},
        StateCase{4, false, true, true, true, 3, kNone},
        StateCase{4, false, false, true, true, 3, kNone},
        StateCase{4, true, false, false, false, 0, kNone},
        // 5 states: checked shows the fifth even while pressed or disabled.
        StateCase{5, true, true, false, false, 4, kNone},
        StateCase{5, true, false, true, false, 4, kNone},
        StateCase{5, false, false, false, true, 1, kNone},
        // 8 states, check boxes only: four unchecked, then four checked.
        StateCase{8, false, false, false, true, kNone, 1},
        StateCase{8, true, false, false, false, kNone, 4},
        StateCase{8, true, false, false, true, kNone, 5},
        StateCase{8, true, true, false, true, kNone, 6},
        StateCase{8, true, true, true, true, kNone, 7},
        // Any other count draws no state picture.
        StateCase{1, false, false, false, false, kNone, kNone},
        StateCase{3, false, false, false, false, kNone, kNone},
        StateCase{0, true, false, false, false, kNone, kNone}));

struct TextCase {
    const char* name;
    int offsetX, offsetY;
    bool pressed;
    bool sink;
    int x, y;
};

class ButtonTextPlacementTest : public ::testing::TestWithParam<TextCase> {};

// A 79 x 23 command button with a text measured 40.7 x 12.9 pixels.
TEST_P(ButtonTextPlacementTest, PlacesText)
{
    const TextCase c = GetParam();
    ButtonTextRequest request;
    request.clientRight = 79;
    request.clientBottom = 23;
    request.measuredWidth = 40.7;
    request.measuredHeight = 12.9;
    request.offsetX = c.offsetX;
    request.offsetY = c.offsetY;
    request.pressed = c.pressed;
    request.sinkWhenPressed = c.sink;
    const TextPlacement place = PlaceButtonText(request);
    EXPECT_EQ(place.x, c.x) << c.name;
    EXPECT_EQ(place.y, c.y) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Offsets, ButtonTextPlacementTest,
    ::testing::Values(
        // (79 - 40) / 2 = 19 across; the top at the given 6.
        TextCase{"offset (0, 6)", 0, 6, false, true, 19, 6},
        TextCase{"offset (0, 6) pressed", 0, 6, true, true, 20, 7},
        // (23 - 12) / 2 = 5 down.
        TextCase{"centred both ways", 0, 0, false, true, 19, 5},
        TextCase{"placed both ways", 4, 3, false, true, 4, 3},
        TextCase{"check box pressed keeps still", 0, 6, true, false, 19, 6}));

TEST(ButtonTextPlacementTest, CentringTruncatesTowardZero)
{
    // A text wider than the button: (10 - 15) / 2 is -2, not -3.
    ButtonTextRequest request;
    request.clientRight = 10;
    request.clientBottom = 10;
    request.measuredWidth = 15.5;
    request.measuredHeight = 4.0;
    EXPECT_EQ(PlaceButtonText(request).x, -2);
    EXPECT_EQ(PlaceButtonText(request).y, 3);
}

} // namespace
