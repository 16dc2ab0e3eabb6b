#include "discovery/SearchDeviceThread.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <exception>
#include <stdexcept>
#include <string_view>

#include <boost/thread/thread.hpp>

#include "core/LogSystem.h"
#include "discovery/SearchThreadLog.h"

using boost::asio::ip::udp;
using LogSystem::WriteLog;
using LogSystem::WriteLogPrecise;

namespace {
// True on a worker while it closes its own socket for a restart: that close
// is not a stop request.
thread_local bool restartingWorker = false;
}  // namespace

CSearchDeviceThread::CSearchDeviceThread() : socket(ioService) {}

CSearchDeviceThread::~CSearchDeviceThread() { StopAndWaitForWorkers(); }

void CSearchDeviceThread::InitSearchThreadValue(const char* ip, std::int32_t port, BOOL retryOnError) {
    strIP = ip ? ip : "";
    nPort = port;
    bRetryOnError = retryOnError != FALSE;
    WriteLog("SendThread %d : Init Search Device Work Thread Value, strIP : %s, nPort : %d  ", nPort.load(),
             strIP.c_str(), nPort.load());
    InitSearchThread();
}

void CSearchDeviceThread::InitSearchThread() {
    static constexpr const char* kFunc = "CSearchDeviceThread::InitSearchThread";
    try {
        SEARCH_LOG_STEP(kFunc);
        bExitSock = false;
        bRetartSock = false;
        SEARCH_LOG_STEP(kFunc);
        {
            std::lock_guard<std::mutex> guard(socketLock);
            OpenSocketLocked();
            socket.bind(udp::endpoint(boost::asio::ip::address_v4::any(), static_cast<unsigned short>(nPort.load())));
        }
        SEARCH_LOG_STEP(kFunc);
        StartWorker();
        SEARCH_LOG_STEP(kFunc);
    } catch (const std::exception& e) {
        CloseSocketQuietly();
        WriteLog("SendThread %d : Create Search Device Work Thread Error : %s   ", nPort.load(), e.what());
    }
}

void CSearchDeviceThread::ExitSearchThread() {
    bExitSock = true;
    ShutdownAndCloseSocket();
    WriteLogPrecise("SendThread %d : Exit Search Device Tread , bExitSock : %d  ", nPort.load(),
                    static_cast<int>(bExitSock.load()));
}

std::int32_t CSearchDeviceThread::SendSearchCommand(const SearchPacket*) { return 0; }

void CSearchDeviceThread::ResetLastDevice() {
    std::lock_guard<std::mutex> guard(lastDeviceLock);
    lastDevice = DeviceRecord();
}

void CSearchDeviceThread::HandleReceiveInfo(const char*, std::int32_t, const char*) {}

std::int32_t CSearchDeviceThread::SearchWorkThread() {
    const unsigned stopsAtStart = nStopRequests.load();
    try {
        WriteLog("SendThread %d : Begin Search Device Work Thread  ", nPort.load());
        {
            // The worker receives on a duplicate of the socket's descriptor,
            // through a socket object of its own: the user-interface thread
            // can then send on, shut down and close the shared socket object
            // while this one is blocked, without both threads touching the
            // same object. A shutdown reaches both descriptors and wakes the
            // receive; the duplicate is closed when this block ends, before a
            // restart binds the port again.
            boost::asio::io_context receiverService;
            udp::socket receiver(receiverService);
            {
                std::lock_guard<std::mutex> guard(socketLock);
                if (socket.is_open()) {
                    const int fd = ::fcntl(socket.native_handle(), F_DUPFD_CLOEXEC, 0);
                    if (fd >= 0) {
                        boost::system::error_code ec;
                        receiver.assign(udp::v4(), fd, ec);
                        if (ec) ::close(fd);
                    }
                }
            }
            while (!bExitSock) {
                WriteLog("SendThread %d : Wait Reciver Socket Protocol Info  ", nPort.load());
                // One byte more than is received, so that every datagram is
                // handed on as a zero-terminated text.
                char buffer[SearchProtocol::kReceiveBufferSize] = {};
                udp::endpoint sender;
                boost::system::error_code ec;
                std::size_t nReceive = 0;
                if (receiver.is_open()) {
                    nReceive = receiver.receive_from(boost::asio::buffer(buffer, SearchProtocol::kReceiveMax), sender,
                                                     0, ec);
                    if (ec) nReceive = 0;
                }
                WriteLog("SendThread %d : Reciver Socket Protocol Info, nReceive = %d  ", nPort.load(),
                         static_cast<int>(nReceive));
                if (nReceive != 0) {
                    const std::string address = sender.address().to_string();
                    WriteLog("SendThread %d : Recive Socket Protocol IP : %s, nLen : %d  ", nPort.load(),
                             address.c_str(), static_cast<int>(nReceive));
                    HandleReceiveInfo(buffer, static_cast<std::int32_t>(nReceive), address.c_str());
                } else {
                    if (bExitSock) break;
                    WriteLog("SendThread %d : Reciver Socket Protocol Null Info, bExitSock = %d, bRetartSock = %d  ",
                             nPort.load(), 0, static_cast<int>(bRetartSock.load()));
                    bExitSock = true;
                    bRetartSock = true;
                }
            }
        }
        if (bRetartSock && !bFinalStop) {
            restartingWorker = true;
            ExitSearchThread();
            restartingWorker = false;
            InitSearchThread();
            // A stop that came from another thread while this worker ran (it
            // may have crossed the restart) holds for the new socket too.
            if (nStopRequests.load() != stopsAtStart) ExitSearchThread();
        }
        WriteLogPrecise("SendThread %d : Finish Search Device Work Thread  ", nPort.load());
    } catch (const std::exception& e) {
        WriteLog("SendThread %d : Create Socket Protocolt Server Error : %s  ", nPort.load(), e.what());
    }
    WorkerEnded();
    return 0;
}

void CSearchDeviceThread::RetryInitSearchThread() {
    WriteLog("SendThread %d : Handle Create Search Device Work Thread Error  ", nPort.load());
    if (testCount >= SearchProtocol::kMaxPortRetries) return;
    ++nPort;
    ++testCount;
    WriteLog("SendThread %d : Test Create Search Device Work Thread, testCount = %d, port = %d  ", nPort.load(),
             testCount.load(), nPort.load());
    InitSearchThread();
}

void CSearchDeviceThread::StartWorker() {
    {
        std::lock_guard<std::mutex> guard(workerLock);
        // An object being destroyed starts no worker any more, not even
        // from a restart that was already under way.
        if (bFinalStop) throw std::runtime_error("search thread is being destroyed");
        ++nRunningWorkers;
    }
    try {
        boost::thread worker(&CSearchDeviceThread::SearchWorkThread, this);
        worker.detach();
    } catch (...) {
        WorkerEnded();
        throw;
    }
}

void CSearchDeviceThread::WorkerEnded() {
    std::lock_guard<std::mutex> guard(workerLock);
    --nRunningWorkers;
    workerEndedSignal.notify_all();
}

int CSearchDeviceThread::RunningWorkers() const {
    std::lock_guard<std::mutex> guard(workerLock);
    return nRunningWorkers;
}

bool CSearchDeviceThread::WaitForWorkersToEnd(std::chrono::milliseconds timeout) const {
    std::unique_lock<std::mutex> guard(workerLock);
    return workerEndedSignal.wait_for(guard, timeout, [this] { return nRunningWorkers == 0; });
}

void CSearchDeviceThread::StopAndWaitForWorkers() {
    {
        std::lock_guard<std::mutex> guard(workerLock);
        bFinalStop = true;
    }
    // A restart that was already past its check may open the socket again;
    // shutting down once more wakes the worker it started.
    do {
        bExitSock = true;
        ShutdownAndCloseSocket();
    } while (!WaitForWorkersToEnd(std::chrono::milliseconds(100)));
}

void CSearchDeviceThread::OpenSocketLocked() {
    if (socket.is_open()) throw boost::system::system_error(boost::asio::error::already_open, "open");
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
    if (fd < 0) throw boost::system::system_error(errno, boost::system::system_category(), "open");
    boost::system::error_code ec;
    socket.assign(udp::v4(), fd, ec);
    if (ec) {
        ::close(fd);
        throw boost::system::system_error(ec, "open");
    }
}

void CSearchDeviceThread::ShutdownAndCloseSocket() {
    if (!restartingWorker) ++nStopRequests;
    std::lock_guard<std::mutex> guard(socketLock);
    if (!socket.is_open()) return;
    boost::system::error_code ec;
    // An unconnected datagram socket reports "not connected" here, but the
    // shutdown still takes effect and wakes a receive blocked on it.
    socket.shutdown(udp::socket::shutdown_both, ec);
    socket.close(ec);
}

void CSearchDeviceThread::CloseSocketQuietly() {
    std::lock_guard<std::mutex> guard(socketLock);
    boost::system::error_code ec;
    socket.close(ec);
}

bool CSearchDeviceThread::IsSocketOpen() const {
    std::lock_guard<std::mutex> guard(socketLock);
    return socket.is_open();
}

unsigned short CSearchDeviceThread::GetBoundPort() const {
    std::lock_guard<std::mutex> guard(socketLock);
    if (!socket.is_open()) return 0;
    boost::system::error_code ec;
    const udp::endpoint local = socket.local_endpoint(ec);
    return ec ? 0 : local.port();
}

DeviceRecord CSearchDeviceThread::GetLastDevice() const {
    std::lock_guard<std::mutex> guard(lastDeviceLock);
    return lastDevice;
}

// Record equality looks at the texts only; a repeat must also be of the same
// kind, or a goodbye that follows an alive or an answer of the same device
// would be taken for a repeat and lost.
static bool IsRepeatOf(const DeviceRecord& record, const DeviceRecord& last) {
    return record == last && record.nType == last.nType;
}

bool CSearchDeviceThread::TakeIfNewDevice(const DeviceRecord& record) {
    std::lock_guard<std::mutex> guard(lastDeviceLock);
    if (IsRepeatOf(record, lastDevice)) return false;
    lastDevice = record;
    return true;
}

bool CSearchDeviceThread::TakeIfNewDeviceElseReset(const DeviceRecord& record) {
    std::lock_guard<std::mutex> guard(lastDeviceLock);
    if (IsRepeatOf(record, lastDevice)) {
        lastDevice = DeviceRecord();
        return false;
    }
    lastDevice = record;
    return true;
}
