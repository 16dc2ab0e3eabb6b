#include "skin/StatusStrip.h"

StatusStripMetrics ComputeStatusStrip(int imageWidth, int statusCount)
{
    StatusStripMetrics metrics;
    metrics.statusCount = statusCount > 0 ? statusCount : 1;
    metrics.statusWidth = imageWidth / metrics.statusCount;
    return metrics;
}
