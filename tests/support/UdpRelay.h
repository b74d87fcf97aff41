#pragma once
// A UDP relay on the loopback address between the module and an agent, for
// tests of what the module says when an answer comes late: it can hold the
// requests that arrive until the module has sent the same request again,
// then pass them all on in the order they came, as an agent does that
// stalls and then works through its queue. Replies go back to whichever
// socket of the module sent the request. It runs on a thread of its own,
// so that blocking requests of the module pass too.
#include <netinet/in.h>

#include <atomic>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

class UdpRelay {
public:
    // Forwards to 127.0.0.1:agentPort; port() is 0 when no socket opened.
    explicit UdpRelay(unsigned short agentPort);
    ~UdpRelay();
    UdpRelay(const UdpRelay&) = delete;
    UdpRelay& operator=(const UdpRelay&) = delete;

    unsigned short port() const { return port_; }
    // The next `count` requests are held; once the last of them has come,
    // all are passed on together.
    void HoldRequests(int count);
    int RequestsSeen() const { return requests_; }

private:
    struct Datagram {
        int socket = -1;  // towards the agent, for the sender's replies
        std::vector<char> bytes;
    };

    void Run();
    int SocketFor(const sockaddr_in& module);
    void FromModule();
    void FromAgent(int socket);
    void Forward(const Datagram& datagram);

    int front_ = -1;
    int wake_[2] = {-1, -1};
    unsigned short port_ = 0;
    sockaddr_in agent_{};
    std::map<int, sockaddr_in> modules_;  // socket towards the agent -> the module's socket
    std::mutex mutex_;
    std::vector<Datagram> held_;
    int holdFor_ = 0;
    std::atomic<int> requests_{0};
    std::thread thread_;
};
