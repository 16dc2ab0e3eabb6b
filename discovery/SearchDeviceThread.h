#pragma once
// The base of every search thread: one UDP socket bound to one local port,
// and one detached worker blocked on it that hands every datagram to the
// object's parser and re-creates the socket when a receive comes back empty.
// The derived classes decide how the socket is opened, what search goes out
// and how an answer is read.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/udp.hpp>

#include "core/Bool.h"
#include "core/DeviceRecord.h"
#include "discovery/SearchProtocol.h"

class CSearchDeviceThread {
public:
    CSearchDeviceThread();
    // Stops the worker and waits for it to end, so that an object may be
    // destroyed safely; the engine itself never destroys its threads.
    virtual ~CSearchDeviceThread();

    CSearchDeviceThread(const CSearchDeviceThread&) = delete;
    CSearchDeviceThread& operator=(const CSearchDeviceThread&) = delete;

    // Opens and binds the socket and starts the worker; failures are caught
    // and logged, the socket then stays closed.
    virtual void InitSearchThread();
    // Stores the local address (null: any), port and retry flag, logs, and
    // calls InitSearchThread. The one way the manager starts a thread.
    virtual void InitSearchThreadValue(const char* ip, std::int32_t port, BOOL retryOnError);
    // Stops the worker: a receive blocked in it returns at once and the
    // worker ends without a restart. Safe from any thread, also twice.
    virtual void ExitSearchThread();
    // Sends this thread's search message; never throws. Returns 0.
    virtual std::int32_t SendSearchCommand(const SearchPacket* packet);
    // After it the next accepted answer counts as new.
    virtual void ResetLastDevice();
    // The worker's body.
    virtual std::int32_t SearchWorkThread();
    // One received datagram (zero-terminated after `length` bytes) and the
    // sender's dotted address. Called on the worker only.
    virtual void HandleReceiveInfo(const char* data, std::int32_t length, const char* senderIp);

    // Observers, for the manager, the tests and the diagnostics.
    const std::string& GetIP() const { return strIP; }
    std::int32_t GetPort() const { return nPort.load(); }
    std::int32_t GetTestCount() const { return testCount.load(); }
    bool IsExitRequested() const { return bExitSock.load(); }
    bool IsSocketOpen() const;
    // The local port the socket is bound to, 0 when it is closed.
    unsigned short GetBoundPort() const;
    DeviceRecord GetLastDevice() const;
    // Number of workers of this object that have not ended yet (0 or 1,
    // briefly 2 while a restarting worker hands over to its successor).
    int RunningWorkers() const;
    // Waits until no worker of this object runs; false on time-out.
    bool WaitForWorkersToEnd(std::chrono::milliseconds timeout) const;

protected:
    // Shared by the derived classes' start-error paths: moves to the next
    // port, at most kMaxPortRetries times over the object's life.
    void RetryInitSearchThread();
    // Starts one detached worker on SearchWorkThread. Throws what the thread
    // start throws.
    void StartWorker();
    // Opens the socket for IPv4 UDP, closed on exec so that programs the
    // application starts do not keep the search ports bound. Call with
    // socketLock held. Throws boost::system::system_error.
    void OpenSocketLocked();
    // Closes the socket after shutting it down, so that a receive blocked on
    // it in the worker returns at once. Never throws.
    void ShutdownAndCloseSocket();
    void CloseSocketQuietly();
    // For destructors: stops the worker for good (no restart) and waits for
    // it to end. Every derived destructor calls it first, so that the worker
    // never runs on a half-destroyed object; later calls do nothing.
    void StopAndWaitForWorkers();

    // The last-device rules of the two parsers, each one atomic with
    // respect to ResetLastDevice. A repeat is a record with the same texts
    // and the same type as lastDevice.
    // True when `record` is no repeat; lastDevice then becomes it.
    bool TakeIfNewDevice(const DeviceRecord& record);
    // Like TakeIfNewDevice, but a repeat resets lastDevice (so a run of
    // identical messages is reported every second time).
    bool TakeIfNewDeviceElseReset(const DeviceRecord& record);

    DeviceRecord lastDevice;
    mutable std::mutex lastDeviceLock;

    boost::asio::io_context ioService;
    boost::asio::ip::udp::socket socket;
    // Guards the socket object: open, options, bind, send and close come
    // from the user-interface thread and from a restarting worker.
    mutable std::mutex socketLock;

    std::string strIP;
    std::atomic<std::int32_t> nPort{SearchProtocol::kInterfacePortBase};
    std::atomic<std::int32_t> testCount{0};
    std::atomic<bool> bExitSock{false};
    std::atomic<bool> bRetartSock{false};
    bool bRetryOnError = false;

private:
    void WorkerEnded();
    // Set only by the destructor: no restart may begin any more.
    std::atomic<bool> bFinalStop{false};
    // Counts the stops (socket shutdowns) that did not come from a worker's
    // own restart, so that a worker can tell a stop crossed its restart.
    std::atomic<unsigned> nStopRequests{0};
    mutable std::mutex workerLock;
    mutable std::condition_variable workerEndedSignal;
    int nRunningWorkers = 0;
};
