#pragma once
// The five states of the main window's controls. Each state names only the
// controls it changes; the others keep what they had.
#include <optional>

enum ButtonState : int {
    ButtonStateInitial = 0,
    ButtonStateSearching = 1,
    ButtonStateSearchDone = 2,
    ButtonStateSelected = 3,
    ButtonStateUnselected = 4,
};

// One row of the table: for the countdown text whether it is shown, for the
// buttons whether they are enabled; an empty value leaves the control as it is.
struct ButtonStateRow {
    std::optional<bool> bStatusTextShown;  // 2106
    std::optional<bool> bCloseEnabled;     // 2103
    std::optional<bool> bLoginEnabled;     // 2107
    std::optional<bool> bRefreshEnabled;   // 2108
    std::optional<bool> bStorageEnabled;   // 2109
};

// The row of a state; a number outside 0..4 changes nothing.
ButtonStateRow GetButtonStateRow(int state);
