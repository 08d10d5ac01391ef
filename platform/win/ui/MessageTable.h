#pragma once
#include <windows.h>

#include <span>

namespace kestrowa {

// One line of a window's static message table; the builders below make them.
template <class T>
struct MessageEntry {
    UINT message = 0;
    UINT id = 0;    // commands and notifications: the control or command id
    UINT code = 0;  // commands and notifications: the notification code
    void (T::*act)(WPARAM, LPARAM) = nullptr;
    LRESULT (T::*answer)(WPARAM, LPARAM) = nullptr;
    void (T::*command)() = nullptr;
    void (T::*notify)(const NMHDR&) = nullptr;
};

// A message the handler acts on; the default handling follows it.
template <class T>
constexpr MessageEntry<T> OnMessage(UINT message, void (T::*handler)(WPARAM, LPARAM)) {
    return {.message = message, .act = handler};
}
// A message whose value matters (painting, owner drawing, the cursor, a dragged icon, window
// creation): the handler's value is what the window procedure returns, so for a dialog FALSE
// still hands the message to the default handling.
template <class T>
constexpr MessageEntry<T> OnMessageResult(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    return {.message = message, .answer = handler};
}
// A button click or a menu command with this id (notification code 0).
template <class T>
constexpr MessageEntry<T> OnCommand(UINT id, void (T::*handler)()) {
    return {.message = WM_COMMAND, .id = id, .code = 0, .command = handler};
}
// One notification of a control that reports through WM_COMMAND (EN_CHANGE, CBN_SELCHANGE, ...).
template <class T>
constexpr MessageEntry<T> OnCommand(UINT id, UINT code, void (T::*handler)()) {
    return {.message = WM_COMMAND, .id = id, .code = code, .command = handler};
}
// One notification of a control that reports through WM_NOTIFY (TCN_SELCHANGE, LVN_..., ...).
template <class T>
constexpr MessageEntry<T> OnNotify(UINT id, UINT code, void (T::*handler)(const NMHDR&)) {
    return {.message = WM_NOTIFY, .id = id, .code = code, .notify = handler};
}

// How a table took a message: not at all or by acting only (the default handling follows),
// handled (a command or notification), or answered with a value of its handler's.
struct Routed {
    enum class How { Default, Handled, Answered };
    How how = How::Default;
    LRESULT value = 0;
};

// Whether a command or notification entry of control `id` and `code` takes this message.
inline bool ControlMessageMatches(UINT message, UINT id, UINT code, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) return LOWORD(wParam) == id && HIWORD(wParam) == code;
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    return header.idFrom == id && header.code == code;
}

// Hands a message to the first entry of `T::MessageTable()` that takes it.
template <class T>
Routed RouteThroughTable(T& target, UINT message, WPARAM wParam, LPARAM lParam) {
    for (const MessageEntry<T>& entry : T::MessageTable()) {
        if (entry.message != message) continue;
        if (entry.command || entry.notify) {
            if (!ControlMessageMatches(message, entry.id, entry.code, wParam, lParam)) continue;
            if (entry.command)
                (target.*entry.command)();
            else
                (target.*entry.notify)(*reinterpret_cast<const NMHDR*>(lParam));
            return {Routed::How::Handled};
        }
        if (entry.answer) return {Routed::How::Answered, (target.*entry.answer)(wParam, lParam)};
        (target.*entry.act)(wParam, lParam);
        return {};
    }
    return {};
}

}  // namespace kestrowa
