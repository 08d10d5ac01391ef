// Stands in for the viewer when the status window starts it: it runs for two and a half seconds
// and ends, so a test can see what the recorder does while it waits.
#include <windows.h>

int main() {
    Sleep(2500);
    return 0;
}
