#include "skin/ButtonTextPlacement.h"

TextPlacement PlaceButtonText(const ButtonTextRequest& request)
{
    TextPlacement place;
    const int width = static_cast<int>(request.measuredWidth);
    const int height = static_cast<int>(request.measuredHeight);
    place.x = request.offsetX != 0 ? request.offsetX
                                   : (request.clientRight - width - request.clientLeft) / 2;
    place.y = request.offsetY != 0 ? request.offsetY
                                   : (request.clientBottom - height - request.clientTop) / 2;
    if (request.pressed && request.sinkWhenPressed) {
        ++place.x;
        ++place.y;
    }
    return place;
}
