#include "app/ScoutrelDlgButtonStates.h"

ButtonStateRow GetButtonStateRow(int state)
{
    constexpr std::optional<bool> kKeep;
    switch (state) {
    case ButtonStateInitial: return {false, true, false, true, false};
    case ButtonStateSearching: return {true, kKeep, false, false, false};
    case ButtonStateSearchDone: return {false, kKeep, kKeep, true, kKeep};
    case ButtonStateSelected: return {kKeep, kKeep, true, kKeep, true};
    case ButtonStateUnselected: return {kKeep, kKeep, false, kKeep, false};
    default: return {};
    }
}
