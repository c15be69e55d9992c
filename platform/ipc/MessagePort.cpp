#include "platform/ipc/MessagePort.h"

#include "platform/ipc/SharedSection.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <vector>

namespace {

enum : uint32_t { kSend = 1, kPost = 2 };

struct Frame {
    uint32_t kind, msg, wParam;
    int32_t lParam;
};

struct Port {
    int fd = -1;
    MessagePort::Handler handler;
    std::unique_ptr<QSocketNotifier> notifier;
};

struct Posted {
    PortId to;
    Frame frame;
};

// Never destroyed: ports of objects that live until the program's end (the
// help link) close after the statics are gone.
std::map<PortId, Port>& ports() {
    static auto* all = new std::map<PortId, Port>;
    return *all;
}
std::deque<Posted>& queue() {
    static auto* q = new std::deque<Posted>;
    return *q;
}

// Ports that live to the program's end (the help link) outlast the
// application object; their notifiers must go with it, the sockets after.
void dropNotifiersWithTheApplication() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    qAddPostRoutine([] {
        for (auto& [id, port] : ports()) port.notifier.reset();
        registered = false;
    });
}

sockaddr_un address(PortId id, socklen_t& len) {
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    // Abstract names: nothing to clean up after a crash.
    const std::string name = SharedName("port-" + std::to_string(id));
    std::memcpy(a.sun_path + 1, name.data(), std::min(name.size(), sizeof a.sun_path - 2));
    len = socklen_t(offsetof(sockaddr_un, sun_path) + 1 +
                    std::min(name.size(), sizeof a.sun_path - 2));
    return a;
}

bool readAll(int fd, void* buffer, size_t n, int timeoutMs) {
    auto* p = static_cast<char*>(buffer);
    while (n > 0) {
        pollfd pfd{fd, POLLIN, 0};
        if (::poll(&pfd, 1, timeoutMs) <= 0) return false;
        const ssize_t r = ::read(fd, p, n);
        if (r <= 0) return false;
        p += r;
        n -= size_t(r);
    }
    return true;
}

bool writeAll(int fd, const void* buffer, size_t n) {
    auto* p = static_cast<const char*>(buffer);
    while (n > 0) {
        const ssize_t r = ::send(fd, p, n, MSG_NOSIGNAL);
        if (r <= 0) return false;
        p += r;
        n -= size_t(r);
    }
    return true;
}

int32_t dispatch(PortId to, const Frame& f) {
    auto it = ports().find(to);
    if (it == ports().end() || !it->second.handler) return 0;
    // A copy: the handler may close its own port.
    const auto handler = it->second.handler;
    return handler(f.msg, f.wParam, f.lParam);
}

void flushLater();

// Takes every waiting connection of the port: sent messages are answered at
// once, posted ones are queued.
void acceptAll(PortId id) {
    for (;;) {
        auto it = ports().find(id);
        if (it == ports().end()) return;
        const int c = ::accept4(it->second.fd, nullptr, nullptr, SOCK_CLOEXEC);
        if (c < 0) return;
        Frame f{};
        if (readAll(c, &f, sizeof f, 2000)) {
            if (f.kind == kSend) {
                const int32_t result = dispatch(id, f);
                writeAll(c, &result, sizeof result);
            } else {
                queue().push_back({id, f});
            }
        }
        ::close(c);
    }
}

void acceptEverywhere() {
    std::vector<PortId> ids;
    for (const auto& [id, p] : ports()) ids.push_back(id);
    for (PortId id : ids) acceptAll(id);
}

constexpr uint32_t kQuit = 0x0012;

int flushQueue(uint32_t first, uint32_t last, bool* quit = nullptr) {
    int n = 0;
    for (size_t i = 0; i < queue().size();) {
        const Posted p = queue()[i];
        if (quit && p.frame.msg == kQuit) {
            *quit = true;
            return n;
        }
        if (p.frame.msg < first || p.frame.msg > last) {
            ++i;
            continue;
        }
        queue().erase(queue().begin() + long(i));
        dispatch(p.to, p.frame);
        ++n;
    }
    return n;
}

// Under an event loop, posted messages are handled by the loop.
void flushLater() {
    if (!QCoreApplication::instance() || queue().empty()) return;
    QTimer::singleShot(0, QCoreApplication::instance(), [] { flushQueue(0, UINT32_MAX); });
}

int connectTo(PortId to) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    socklen_t len = 0;
    const sockaddr_un a = address(to, len);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&a), len) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

MessagePort::MessagePort(Handler handler) {
    static uint32_t counter = 0;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    // Ids: the process id and a counter, positive in 31 bits.
    for (int attempt = 0; attempt < 256; ++attempt) {
        const PortId id = PortId(((uint32_t(::getpid()) << 8) | (++counter & 0xFF)) & 0x7FFFFFFF);
        if (id == 0 || ports().count(id)) continue;
        socklen_t len = 0;
        const sockaddr_un a = address(id, len);
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&a), len) == 0 && ::listen(fd, 128) == 0) {
            id_ = id;
            break;
        }
    }
    if (!id_) {
        ::close(fd);
        return;
    }
    Port& p = ports()[id_];
    p.fd = fd;
    p.handler = std::move(handler);
    if (QCoreApplication::instance()) {
        dropNotifiersWithTheApplication();
        p.notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        const PortId id = id_;
        QObject::connect(p.notifier.get(), &QSocketNotifier::activated, [id] {
            acceptAll(id);
            flushQueue(0, UINT32_MAX);
        });
    }
}

MessagePort::~MessagePort() {
    auto it = ports().find(id_);
    if (it == ports().end()) return;
    // None is left once the application object is gone (see above).
    it->second.notifier.reset();
    ::close(it->second.fd);
    ports().erase(it);
    std::erase_if(queue(), [this](const Posted& p) { return p.to == id_; });
}

std::optional<int32_t> SendPortMessage(PortId to, uint32_t msg, uint32_t wParam, int32_t lParam) {
    const Frame f{kSend, msg, wParam, lParam};
    if (ports().count(to)) return dispatch(to, f); // a window of this process: a direct call
    const int fd = connectTo(to);
    if (fd < 0) return std::nullopt;
    if (!writeAll(fd, &f, sizeof f)) {
        ::close(fd);
        return std::nullopt;
    }
    // Wait for the answer; meanwhile answer what others send to us.
    for (;;) {
        std::vector<pollfd> fds{{fd, POLLIN, 0}};
        std::vector<PortId> ids;
        for (const auto& [id, p] : ports()) {
            fds.push_back({p.fd, POLLIN, 0});
            ids.push_back(id);
        }
        if (::poll(fds.data(), nfds_t(fds.size()), -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (size_t i = 1; i < fds.size(); ++i)
            if (fds[i].revents & POLLIN) acceptAll(ids[i - 1]);
        if (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) {
            int32_t result = 0;
            const bool ok = readAll(fd, &result, sizeof result, 0);
            ::close(fd);
            flushLater();
            if (!ok) return std::nullopt;
            return result;
        }
    }
    ::close(fd);
    return std::nullopt;
}

bool PostPortMessage(PortId to, uint32_t msg, uint32_t wParam, int32_t lParam) {
    const Frame f{kPost, msg, wParam, lParam};
    if (ports().count(to)) {
        queue().push_back({to, f});
        flushLater();
        return true;
    }
    const int fd = connectTo(to);
    if (fd < 0) return false;
    const bool ok = writeAll(fd, &f, sizeof f);
    ::close(fd);
    return ok;
}

int PumpPortMessages(uint32_t first, uint32_t last) {
    acceptEverywhere();
    return flushQueue(first, last);
}

bool PumpPortMessagesUntilQuit(uint32_t first, uint32_t last) {
    acceptEverywhere();
    bool quit = false;
    flushQueue(first, last, &quit);
    return quit;
}

bool WaitForPortCondition(const std::function<bool()>& done, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::vector<pollfd> fds;
        for (const auto& [id, p] : ports()) fds.push_back({p.fd, POLLIN, 0});
        ::poll(fds.data(), nfds_t(fds.size()), 20);
        PumpPortMessages();
    }
    return true;
}

bool PortExists(PortId id) {
    if (id == 0) return false;
    if (ports().count(id)) return true;
    const int fd = connectTo(id);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}
