#include "skin/ButtonStateIndex.h"

namespace {

int FourStateIndex(const ButtonVisualState& state)
{
    if (state.disabled) {
        return 3;
    }
    if (state.pressed) {
        return 2;
    }
    if (state.hover) {
        return 1;
    }
    return 0;
}

} // namespace

int ChooseButtonStateIndex(int statusCount, const ButtonVisualState& state)
{
    switch (statusCount) {
    case 2:
        return state.checked ? 1 : 0;
    case 4:
        return FourStateIndex(state);
    case 5:
        return state.checked ? 4 : FourStateIndex(state);
    default:
        return kNoStatePicture;
    }
}

int ChooseCheckBoxStateIndex(int statusCount, const ButtonVisualState& state)
{
    switch (statusCount) {
    case 2:
        return state.checked ? 1 : 0;
    case 8:
        return (state.checked ? 4 : 0) + FourStateIndex(state);
    default:
        return kNoStatePicture;
    }
}
