#pragma once
// Where a button draws its one line of text. A non-zero offset component
// places the text's top-left corner on that axis; a zero component centres
// the text's measured box on that axis. While pressed the text sinks by one
// pixel to the right and down, unless the caller says it does not (check
// boxes keep their text still).

struct TextPlacement {
    int x = 0;
    int y = 0;
};

struct ButtonTextRequest {
    int clientLeft = 0;
    int clientTop = 0;
    int clientRight = 0;
    int clientBottom = 0;
    double measuredWidth = 0.0;  // bounding box of the whole text, one line
    double measuredHeight = 0.0;
    int offsetX = 0;
    int offsetY = 0;
    bool pressed = false;
    bool sinkWhenPressed = true;
};

// The measured size is truncated to whole pixels before centring, and the
// halving truncates toward zero.
TextPlacement PlaceButtonText(const ButtonTextRequest& request);
