#pragma once
// Where the pieces of the main window lie, in window pixels, as the built-in
// English layout places them. The background is drawn to fit them.

namespace geometry {
inline constexpr int kWindowWidth = 328;
inline constexpr int kWindowHeight = 245;
// A press above this line drags the window; the title band covers it.
inline constexpr int kTitleBandHeight = 28;
// Radius of the rounded top corners, matched to the region bitmap's cut.
inline constexpr double kCornerRadius = 7.0;

struct Box {
    int x, y, width, height;
};
inline constexpr Box kLogo{7, 7, 16, 16};
inline constexpr Box kTitle{30, 4, 270, 25};
inline constexpr Box kClose{300, 10, 11, 11};
inline constexpr Box kListLabel{15, 32, 200, 15};
inline constexpr int kListLabelTextX = 13;
inline constexpr Box kList{10, 50, 308, 141};
inline constexpr Box kHint{10, 194, 280, 15};
inline constexpr Box kButtons[3] = {{18, 210, 79, 23}, {127, 210, 79, 23}, {228, 210, 79, 23}};

// Runs of the region key colour from each top corner, rows 0 to 3.
inline constexpr int kCornerRuns[4] = {5, 3, 2, 1};
}  // namespace geometry
