#pragma once
// Window messages between processes. A port stands for a window of the link:
// its 32-bit id is what the link records store in place of a window handle,
// and names a local socket. A sent message waits for the receiver's answer
// (while waiting, messages sent to this process's own ports are answered, so
// two processes may send to each other); a posted message is queued and
// handled by the receiver's event loop or by PumpPortMessages.
#include <cstdint>
#include <functional>
#include <optional>

using PortId = int32_t;

class MessagePort {
public:
    using Handler = std::function<int32_t(uint32_t msg, uint32_t wParam, int32_t lParam)>;
    explicit MessagePort(Handler handler);
    ~MessagePort();
    MessagePort(const MessagePort&) = delete;
    MessagePort& operator=(const MessagePort&) = delete;

    // 0 when the socket could not be made.
    PortId Id() const { return id_; }

private:
    PortId id_ = 0;
};

// nullopt when no port of that id is listening or the receiver went away.
std::optional<int32_t> SendPortMessage(PortId to, uint32_t msg, uint32_t wParam, int32_t lParam);
bool PostPortMessage(PortId to, uint32_t msg, uint32_t wParam, int32_t lParam);
// Answers waiting sent messages and handles the posted ones whose number lies
// in [first, last] (others stay queued); returns how many were handled.
int PumpPortMessages(uint32_t first = 0, uint32_t last = UINT32_MAX);
// The same in queue order, stopping at a posted quit message (WM_QUIT,
// 0x0012) of any port, which stays queued for the event loop; true when one
// was met.
bool PumpPortMessagesUntilQuit(uint32_t first, uint32_t last);
// Pumps until done() or the time-out (milliseconds); true when done() held.
bool WaitForPortCondition(const std::function<bool()>& done, int timeoutMs);
bool PortExists(PortId id);
