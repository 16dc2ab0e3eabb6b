#include "discovery/SearchDeviceMulticastThread.h"

#include <exception>
#include <string_view>

#include <boost/asio/ip/multicast.hpp>

#include "core/LogSystem.h"
#include "discovery/FoundDeviceHandoff.h"
#include "discovery/SearchParsers.h"
#include "discovery/SearchThreadLog.h"

using boost::asio::ip::udp;
using LogSystem::WriteLog;
using LogSystem::WriteLogPrecise;

CSearchDeviceMulticastThread::~CSearchDeviceMulticastThread() { StopAndWaitForWorkers(); }

void CSearchDeviceMulticastThread::AlterMulticastGroup(BOOL join) {
    try {
        const auto group = boost::asio::ip::make_address_v4(SearchProtocol::kMulticastGroup);
        if (join) {
            {
                std::lock_guard<std::mutex> guard(socketLock);
                socket.set_option(boost::asio::ip::multicast::join_group(group, boost::asio::ip::address_v4::any()));
            }
            WriteLog("SendThread %d : Add To Multicast Group Info ", nPort.load());
        } else {
            {
                std::lock_guard<std::mutex> guard(socketLock);
                socket.set_option(boost::asio::ip::multicast::leave_group(group, boost::asio::ip::address_v4::any()));
            }
            WriteLog("SendThread %d : Leave To Multicast Group Info ", nPort.load());
        }
    } catch (const std::exception& e) {
        WriteLog("SendThread %d : Alter Device Mulitcast Group Error : %s  \r\n", nPort.load(), e.what());
    }
}

void CSearchDeviceMulticastThread::InitSearchThread() {
    static constexpr const char* kFunc = "CSearchDeviceMulticastThread::InitSearchThread";
    try {
        SEARCH_LOG_STEP(kFunc);
        bExitSock = false;
        bRetartSock = false;
        SEARCH_LOG_STEP(kFunc);
        {
            std::lock_guard<std::mutex> guard(socketLock);
            OpenSocketLocked();
        }
        SEARCH_LOG_STEP(kFunc);
        // The join comes before the bind; a failed join does not stop the
        // start, the thread then still hears the answers sent to it.
        AlterMulticastGroup(TRUE);
        SEARCH_LOG_STEP(kFunc);
        {
            std::lock_guard<std::mutex> guard(socketLock);
            socket.bind(udp::endpoint(boost::asio::ip::address_v4::any(), static_cast<unsigned short>(nPort.load())));
        }
        SEARCH_LOG_STEP(kFunc);
        StartWorker();
    } catch (const std::exception& e) {
        CloseSocketQuietly();
        WriteLog("SendThread %d : Create Search Device Work Thread Error : %s   ", nPort.load(), e.what());
        if (bRetryOnError) RetryInitSearchThread();
    }
}

void CSearchDeviceMulticastThread::ExitSearchThread() {
    AlterMulticastGroup(FALSE);
    bExitSock = true;
    ShutdownAndCloseSocket();
    WriteLogPrecise("SendThread %d : Exit Search Device Tread , bExitSock : %d  ", nPort.load(),
                    static_cast<int>(bExitSock.load()));
}

std::int32_t CSearchDeviceMulticastThread::SendSearchCommand(const SearchPacket*) {
    WriteLog("SendThread %d : Send Search Device Command  ", nPort.load());
    try {
        const udp::endpoint destination(boost::asio::ip::make_address_v4(SearchProtocol::kMulticastGroup),
                                        SearchProtocol::kMulticastPort);
        const std::string_view message = SearchProtocol::kSearchMessage;
        std::lock_guard<std::mutex> guard(socketLock);
        socket.send_to(boost::asio::buffer(message.data(), message.size()), destination);
    } catch (const std::exception& e) {
        WriteLog("SendThread %d : Send Search Device Error : %s   ", nPort.load(), e.what());
    }
    return 0;
}

void CSearchDeviceMulticastThread::HandleReceiveInfo(const char* data, std::int32_t length, const char* senderIp) {
    WriteLog("SendThread %d : Handle Mulitcast Recive Information  ", nPort.load());
    const std::string_view message = (data != nullptr && length > 0)
                                         ? std::string_view(data, static_cast<std::size_t>(length))
                                         : std::string_view();
    const std::string_view sender = senderIp ? std::string_view(senderIp) : std::string_view();
    const std::optional<DeviceRecord> record = ParseSsdpMessage(message, sender);
    if (!record) return;
    const int type = static_cast<int>(record->nType);
    if (TakeIfNewDeviceElseReset(*record)) {
        WriteLog("SendThread %d : Handle Mulitcast Recive Information Success, type = %d ", nPort.load(), type);
        OnDeviceFound(*record, nPort.load());
    } else {
        WriteLog("SendThread %d : Handle Mulitcast Recive Information Fail : Old Device, type = %d ", nPort.load(),
                 type);
    }
}
