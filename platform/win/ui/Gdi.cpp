#include "platform/win/ui/Gdi.h"

#include "platform/win/os/Text.h"

namespace kestrowa {

Font MakeFont(std::string_view face, int height, int weight) {
    return Font(CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                            Utf8ToWide(face).c_str()));
}

}  // namespace kestrowa
