#pragma once
// Which state picture of its status strip a skinned button shows. The
// visual state comes from the owner-draw request (pressed, disabled), the
// hover tracking and the check state the button keeps itself.

struct ButtonVisualState {
    bool checked = false;
    bool pressed = false;
    bool disabled = false;
    bool hover = false;
};

// Returned when the strip's count has no table: no state picture is drawn.
inline constexpr int kNoStatePicture = -1;

// Push, drift and radio buttons: strips of 2, 4 or 5 states.
//   2: checked / not checked.
//   4: normal, hover, pressed, disabled (disabled wins over pressed over hover).
//   5: the four of a 4-strip, and a fifth for checked that wins over all.
int ChooseButtonStateIndex(int statusCount, const ButtonVisualState& state);

// Check boxes: strips of 2 or 8 states; an 8-strip holds the four states of
// an unchecked box followed by the same four checked.
int ChooseCheckBoxStateIndex(int statusCount, const ButtonVisualState& state);
