#pragma once
// Which handler a window runs for a command id, a control's notification or a
// message number. Each window fills its own table when it is constructed.
#include "platform/window/Messages.h"

#include <functional>
#include <map>
#include <utility>

class TCommandEnabler;

class TResponseTable {
public:
    using CommandHandler = std::function<void()>;
    using EnableHandler = std::function<void(TCommandEnabler&)>;
    using MessageHandler = std::function<TResult(WPARAM, LPARAM)>;

    void Command(int id, CommandHandler handler) { commands_[id] = std::move(handler); }
    void CommandEnable(int id, EnableHandler handler) { enablers_[id] = std::move(handler); }
    // A control's notification code (the high word of WM_COMMAND's wParam).
    void Notify(int controlId, int code, CommandHandler handler) {
        notifications_[{controlId, code}] = std::move(handler);
    }
    void Message(uint32_t msg, MessageHandler handler) { messages_[msg] = std::move(handler); }

    const CommandHandler* FindCommand(int id) const { return find(commands_, id); }
    const EnableHandler* FindEnabler(int id) const { return find(enablers_, id); }
    const CommandHandler* FindNotify(int controlId, int code) const {
        return find(notifications_, std::pair{controlId, code});
    }
    const MessageHandler* FindMessage(uint32_t msg) const { return find(messages_, msg); }

private:
    template <class Map, class Key>
    static const typename Map::mapped_type* find(const Map& map, const Key& key) {
        auto it = map.find(key);
        return it == map.end() ? nullptr : &it->second;
    }
    std::map<int, CommandHandler> commands_;
    std::map<int, EnableHandler> enablers_;
    std::map<std::pair<int, int>, CommandHandler> notifications_;
    std::map<uint32_t, MessageHandler> messages_;
};
