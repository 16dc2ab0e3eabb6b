#pragma once
// The one way a search worker passes an accepted record on: one worker at a
// time, logged, to the target the engine start installs.
#include <cstdint>

#include "core/DeviceRecord.h"

using FoundDeviceTarget = std::int32_t (*)(const DeviceRecord& record, std::int32_t threadNumber);

void SetFoundDeviceTarget(FoundDeviceTarget target);
void OnDeviceFound(const DeviceRecord& record, std::int32_t threadNumber);
