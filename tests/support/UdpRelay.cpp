#include "UdpRelay.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <utility>

namespace {

int OpenLoopbackSocket(unsigned short* port)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    if (port)
        *port = ntohs(address.sin_port);
    return fd;
}

}  // namespace

UdpRelay::UdpRelay(unsigned short agentPort)
{
    agent_.sin_family = AF_INET;
    agent_.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    agent_.sin_port = htons(agentPort);
    front_ = OpenLoopbackSocket(&port_);
    if (front_ < 0 || ::pipe(wake_) != 0) {
        port_ = 0;
        return;
    }
    thread_ = std::thread([this] { Run(); });
}

UdpRelay::~UdpRelay()
{
    if (thread_.joinable()) {
        const char stop = 0;
        (void)!::write(wake_[1], &stop, 1);
        thread_.join();
    }
    for (const auto& [socket, module] : modules_)
        ::close(socket);
    for (int fd : {front_, wake_[0], wake_[1]}) {
        if (fd >= 0)
            ::close(fd);
    }
}

void UdpRelay::HoldRequests(int count)
{
    std::lock_guard lock(mutex_);
    holdFor_ = count;
}

void UdpRelay::Run()
{
    for (;;) {
        std::vector<pollfd> watched{{wake_[0], POLLIN, 0}, {front_, POLLIN, 0}};
        for (const auto& [socket, module] : modules_)
            watched.push_back({socket, POLLIN, 0});
        if (::poll(watched.data(), watched.size(), -1) < 0)
            continue;
        if (watched[0].revents)
            return;
        if (watched[1].revents)
            FromModule();
        for (std::size_t k = 2; k < watched.size(); ++k) {
            if (watched[k].revents)
                FromAgent(watched[k].fd);
        }
    }
}

int UdpRelay::SocketFor(const sockaddr_in& module)
{
    for (const auto& [socket, known] : modules_) {
        if (known.sin_addr.s_addr == module.sin_addr.s_addr && known.sin_port == module.sin_port)
            return socket;
    }
    const int socket = OpenLoopbackSocket(nullptr);
    if (socket >= 0)
        modules_[socket] = module;
    return socket;
}

void UdpRelay::FromModule()
{
    for (;;) {
        char buffer[65536];
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t got =
            ::recvfrom(front_, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length);
        if (got < 0)
            return;
        Datagram datagram{SocketFor(from), std::vector<char>(buffer, buffer + got)};
        std::vector<Datagram> due;
        {
            std::lock_guard lock(mutex_);
            if (holdFor_ <= 0) {
                due.push_back(std::move(datagram));
            } else {
                held_.push_back(std::move(datagram));
                if (static_cast<int>(held_.size()) >= holdFor_) {
                    holdFor_ = 0;
                    due = std::exchange(held_, {});
                }
            }
        }
        for (const Datagram& waiting : due)
            Forward(waiting);
        ++requests_;
    }
}

void UdpRelay::Forward(const Datagram& datagram)
{
    if (datagram.socket < 0)
        return;
    ::sendto(datagram.socket, datagram.bytes.data(), datagram.bytes.size(), 0,
             reinterpret_cast<const sockaddr*>(&agent_), sizeof agent_);
}

void UdpRelay::FromAgent(int socket)
{
    const auto module = modules_.find(socket);
    for (;;) {
        char buffer[65536];
        const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
        if (got < 0 || module == modules_.end())
            return;
        ::sendto(front_, buffer, static_cast<std::size_t>(got), 0, reinterpret_cast<const sockaddr*>(&module->second),
                 sizeof module->second);
    }
}
