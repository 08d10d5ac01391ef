#pragma once
#include <windows.h>

#include <functional>
#include <vector>

namespace kestrowa {

// Follows the pointer over a window and over each of its child controls, which take the pointer's
// messages for themselves: every move over either, and the pointer leaving either, is handed to
// `moved` as the pointer's place in the window's client area (outside it once the pointer has
// left the window). The window and its children are subclassed while this object lives.
class PointerTracking {
public:
    using Moved = std::function<void(int x, int y)>;

    PointerTracking() = default;
    PointerTracking(const PointerTracking&) = delete;
    PointerTracking& operator=(const PointerTracking&) = delete;
    ~PointerTracking();

    // Starts following the pointer over `window` and the children it has now.
    void Attach(HWND window, Moved moved);

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    void Detach();
    void MovedAt(HWND from, POINT point) const;
    void AskForLeave(HWND hwnd) const;

    HWND window_ = nullptr;
    std::vector<HWND> subclassed_;
    Moved moved_;
};

}  // namespace kestrowa
