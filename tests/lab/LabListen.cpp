// lab_listen: the lab's capture tool. Binds one UDP port (optionally joining
// a multicast group), optionally sends one datagram from that socket first,
// and prints every datagram it receives as one line:
//
//   FROM_ADDRESS FROM_PORT TO_ADDRESS LENGTH HEX
//
// TO_ADDRESS is the destination address of the datagram's IP header (so a
// broadcast or a multicast datagram shows 255.255.255.255 or the group).
// Exits after --count datagrams or --timeout seconds, whichever comes first.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "lab_listen: %s\n", message.c_str());
    std::exit(2);
}

sockaddr_in Address(const std::string& ip, int port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    if (ip.empty()) a.sin_addr.s_addr = htonl(INADDR_ANY);
    else if (inet_pton(AF_INET, ip.c_str(), &a.sin_addr) != 1) Fail("not an IPv4 address: " + ip);
    return a;
}

}  // namespace

int main(int argc, char** argv) {
    int port = -1;
    std::string bindAddress, group, sendFile, to, readyFile;
    int count = 1000000;
    double timeout = 5;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) Fail(a + " needs a value");
            return argv[++i];
        };
        if (a == "--port") port = std::atoi(value().c_str());
        else if (a == "--bind") bindAddress = value();
        else if (a == "--group") group = value();
        else if (a == "--send") sendFile = value();
        else if (a == "--to") to = value();
        else if (a == "--count") count = std::atoi(value().c_str());
        else if (a == "--timeout") timeout = std::atof(value().c_str());
        else if (a == "--ready-file") readyFile = value();
        else Fail("unknown option " + a +
                  " (use: --port P [--bind ADDR] [--group G] [--send FILE --to ADDR:PORT] [--count N] "
                  "[--timeout S] [--ready-file F])");
    }
    if (port < 0) Fail("--port is required");

    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) Fail(std::string("socket: ") + std::strerror(errno));
    const int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
    setsockopt(fd, IPPROTO_IP, IP_PKTINFO, &one, sizeof one);
    const sockaddr_in local = Address(bindAddress, port);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0)
        Fail("bind port " + std::to_string(port) + ": " + std::strerror(errno));
    if (!group.empty()) {
        ip_mreq join{};
        if (inet_pton(AF_INET, group.c_str(), &join.imr_multiaddr) != 1) Fail("not a group: " + group);
        if (setsockopt(fd, IPPROTO_IP, IP_ADD_MEMBERSHIP, &join, sizeof join) != 0)
            Fail("join " + group + ": " + std::strerror(errno));
    }
    if (!readyFile.empty()) std::ofstream(readyFile) << getpid() << "\n";
    if (!sendFile.empty()) {
        std::ifstream in(sendFile, std::ios::binary);
        if (!in) Fail("cannot read " + sendFile);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::size_t colon = to.rfind(':');
        if (colon == std::string::npos) Fail("--send needs --to ADDR:PORT");
        const sockaddr_in dest = Address(to.substr(0, colon), std::atoi(to.substr(colon + 1).c_str()));
        if (sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&dest), sizeof dest) < 0)
            Fail("send to " + to + ": " + std::strerror(errno));
    }

    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout);
    int received = 0;
    while (received < count) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count();
        if (left <= 0) break;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) <= 0) continue;
        unsigned char buffer[65536];
        char control[256];
        sockaddr_in from{};
        iovec iov{buffer, sizeof buffer};
        msghdr msg{};
        msg.msg_name = &from;
        msg.msg_namelen = sizeof from;
        msg.msg_iov = &iov;
        msg.msg_iovlen = 1;
        msg.msg_control = control;
        msg.msg_controllen = sizeof control;
        const ssize_t n = recvmsg(fd, &msg, 0);
        if (n < 0) continue;
        char toText[INET_ADDRSTRLEN] = "?";
        for (cmsghdr* c = CMSG_FIRSTHDR(&msg); c; c = CMSG_NXTHDR(&msg, c)) {
            if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
                in_pktinfo info;
                std::memcpy(&info, CMSG_DATA(c), sizeof info);
                inet_ntop(AF_INET, &info.ipi_addr, toText, sizeof toText);
            }
        }
        char fromText[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &from.sin_addr, fromText, sizeof fromText);
        std::string hex;
        hex.reserve(2 * static_cast<std::size_t>(n));
        static const char digits[] = "0123456789abcdef";
        for (ssize_t i = 0; i < n; ++i) {
            hex += digits[buffer[i] >> 4];
            hex += digits[buffer[i] & 15];
        }
        std::printf("%s %d %s %zd %s\n", fromText, ntohs(from.sin_port), toText, n, hex.empty() ? "-" : hex.c_str());
        std::fflush(stdout);
        ++received;
    }
    close(fd);
    return 0;
}
