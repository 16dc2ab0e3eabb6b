#include "discovery/SearchDeviceMultiCommandThead.h"

#include <exception>

#include <boost/asio/ip/multicast.hpp>

#include "core/LogSystem.h"

using boost::asio::ip::udp;
using LogSystem::WriteLog;

CSearchDeviceMultiCommandThead::~CSearchDeviceMultiCommandThead() { StopAndWaitForWorkers(); }

void CSearchDeviceMultiCommandThead::InitSearchThread() {
    WriteLog("SendThread %d : Create Search Device Work Thread   ", nPort.load());
    try {
        bExitSock = false;
        bRetartSock = false;
        {
            std::lock_guard<std::mutex> guard(socketLock);
            OpenSocketLocked();
            const unsigned short port = static_cast<unsigned short>(nPort.load());
            if (!strIP.empty()) {
                const auto local = boost::asio::ip::make_address_v4(strIP);
                // Multicast leaves through the interface the routing table
                // picks, whatever the bound address; the search must leave
                // through this address's interface.
                socket.set_option(boost::asio::ip::multicast::outbound_interface(local));
                socket.bind(udp::endpoint(local, port));
            } else {
                socket.bind(udp::endpoint(boost::asio::ip::address_v4::any(), port));
            }
        }
        StartWorker();
    } catch (const std::exception& e) {
        CloseSocketQuietly();
        WriteLog("SendThread %d : Create Search Device Work Thread Error : %s   ", nPort.load(), e.what());
        if (bRetryOnError) RetryInitSearchThread();
    }
}

void CSearchDeviceMultiCommandThead::ExitSearchThread() {
    bExitSock = true;
    ShutdownAndCloseSocket();
    WriteLog("SendThread %d : Exit Search Device Tread , bExitSock : %d  ", nPort.load(),
             static_cast<int>(bExitSock.load()));
}
