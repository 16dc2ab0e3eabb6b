#include "discovery/FoundDeviceHandoff.h"

#include <boost/thread/locks.hpp>
#include <boost/thread/mutex.hpp>

#include "core/LogSystem.h"

namespace {
boost::mutex foundDeviceMutex;
// Written once by the engine start before any worker exists, read after.
FoundDeviceTarget foundDeviceTarget = nullptr;
}  // namespace

void SetFoundDeviceTarget(FoundDeviceTarget target) { foundDeviceTarget = target; }

void OnDeviceFound(const DeviceRecord& record, std::int32_t n) {
    LogSystem::WriteLog("Handle %d : Search %d Thread Find Device and wait for mutex  ", n, n);
    // The scoped lock releases the mutex on every way out, exceptions included.
    boost::mutex::scoped_lock lock(foundDeviceMutex);
    LogSystem::WriteLog("Handle %d : Search %d Thread Find Device have Mutex  ", n, n);
    // The worker may reuse its own record as soon as this call returns.
    const DeviceRecord copy = record;
    LogSystem::WriteLog("Handle %d : Search %d Thread Find Device ID : %s, IP : %s  ", n, n, copy.szDeviceID,
                        copy.szIP);
    if (foundDeviceTarget) foundDeviceTarget(copy, n);
    LogSystem::WriteLog("Handle %d : Search %d Thread Find Device Success Handle  ", n, n);
}
