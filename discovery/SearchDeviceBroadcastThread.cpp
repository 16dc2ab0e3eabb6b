#include "discovery/SearchDeviceBroadcastThread.h"

#include <exception>
#include <stdexcept>
#include <string_view>

#include "core/LogSystem.h"
#include "discovery/FoundDeviceHandoff.h"
#include "discovery/SearchParsers.h"
#include "discovery/SearchThreadLog.h"

using boost::asio::ip::udp;
using LogSystem::WriteLog;

CSearchDeviceBroadcastThread::~CSearchDeviceBroadcastThread() { StopAndWaitForWorkers(); }

void CSearchDeviceBroadcastThread::InitSearchThread() {
    static constexpr const char* kFunc = "CSearchDeviceBroadcastThread::InitSearchThread";
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
        {
            std::lock_guard<std::mutex> guard(socketLock);
            socket.set_option(boost::asio::socket_base::broadcast(true));
        }
        SEARCH_LOG_STEP(kFunc);
        {
            std::lock_guard<std::mutex> guard(socketLock);
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

std::int32_t CSearchDeviceBroadcastThread::SendSearchCommand(const SearchPacket* packet) {
    WriteLog("SendThread %d : Send Broadcast Search Command  ", nPort.load());
    try {
        if (packet == nullptr) throw std::invalid_argument("no search packet");
        const udp::endpoint destination(boost::asio::ip::make_address_v4(SearchProtocol::kBroadcastAddress),
                                        SearchProtocol::kBroadcastDevicePort);
        std::lock_guard<std::mutex> guard(socketLock);
        socket.send_to(boost::asio::buffer(packet, SearchProtocol::kPacketSize), destination);
    } catch (const std::exception& e) {
        WriteLog("SendThread %d : Send Broadcast Search Error : %s   ", nPort.load(), e.what());
    }
    return 0;
}

void CSearchDeviceBroadcastThread::HandleReceiveInfo(const char* data, std::int32_t length, const char* senderIp) {
    const std::string_view datagram = (data != nullptr && length > 0)
                                          ? std::string_view(data, static_cast<std::size_t>(length))
                                          : std::string_view();
    const std::string_view sender = senderIp ? std::string_view(senderIp) : std::string_view();
    const BroadcastReplyResult result = ParseBroadcastReply(datagram, sender);
    if (result.status == BroadcastReplyStatus::WrongLength) return;

    WriteLog("SendThread %d : Handle Broadcast Recive Information  ", nPort.load());
    if (result.status == BroadcastReplyStatus::NotDevice) {
        WriteLog("SendThread %d : Recive IP : %s is not Device ", nPort.load(), senderIp ? senderIp : "");
        return;
    }
    if (TakeIfNewDevice(result.record)) {
        WriteLog("SendThread %d : Handle Broadcast Recive Information Success ", nPort.load());
        OnDeviceFound(result.record, nPort.load());
    } else {
        WriteLog("SendThread %d : Handle Broadcast Recive Information Fail ", nPort.load());
    }
}
