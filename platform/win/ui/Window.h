#pragma once
#include <windows.h>

#include "platform/win/ui/MessageTable.h"

namespace kestrowa {

// A window of a class the program registers (a frame, a view), as opposed to a dialog from a
// template. Its procedure hands every message to `Route`, which a class derived through
// `WindowWithTable` answers from its static message table; what the table leaves goes to
// DefWindowProc. Nothing thrown by a handler leaves the procedure.
class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Hwnd() const { return hwnd_; }

protected:
    Window() = default;
    virtual ~Window();

    // Registers `windowClass` with this procedure (once per class name) and creates the window.
    HWND CreateOfClass(WNDCLASSEXW windowClass, DWORD exStyle, const wchar_t* title, DWORD style, HWND parent);
    virtual Routed Route(UINT message, WPARAM wParam, LPARAM lParam) = 0;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

// Base of the program's registered windows: `T::MessageTable()` returns the static table of `T`.
template <class T>
class WindowWithTable : public Window {
protected:
    Routed Route(UINT message, WPARAM wParam, LPARAM lParam) override {
        return RouteThroughTable(static_cast<T&>(*this), message, wParam, lParam);
    }
};

}  // namespace kestrowa
