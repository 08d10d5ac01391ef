#include "platform/win/ui/ListView.h"

#include <commctrl.h>

#include "platform/win/os/Text.h"

namespace kestrowa {

namespace {
// Cells and headers are read through a buffer of this many characters.
constexpr int kTextBuffer = 512;

HWND HeaderControl(HWND list) { return reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)); }
}  // namespace

void ListView::Clear() const {
    const DWORD extra = LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT;
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, extra, extra);
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    while (ColumnCount() > 0 && SendMessageW(list_, LVM_DELETECOLUMN, 0, 0)) {
    }
}

void ListView::AddColumn(std::string_view header, int width) const {
    std::wstring text = Utf8ToWide(header);
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = text.data();
    column.iSubItem = ColumnCount();
    SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column.iSubItem), reinterpret_cast<LPARAM>(&column));
}

void ListView::AddRow(const std::vector<std::string>& cells) const {
    const int columns = ColumnCount();
    if (columns == 0) return;
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = RowCount();
    std::wstring first = Utf8ToWide(cells.empty() ? std::string_view() : std::string_view(cells[0]));
    item.pszText = first.data();
    const int row = static_cast<int>(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) return;
    for (int i = 1; i < columns && i < static_cast<int>(cells.size()); ++i) {
        std::wstring text = Utf8ToWide(cells[static_cast<size_t>(i)]);
        LVITEMW sub{};
        sub.iSubItem = i;
        sub.pszText = text.data();
        SendMessageW(list_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&sub));
    }
}

void ListView::ScrollDown(int pixels) const {
    if (pixels > 0) SendMessageW(list_, LVM_SCROLL, 0, pixels);
}

int ListView::RowCount() const { return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }

int ListView::ColumnCount() const {
    HWND header = HeaderControl(list_);
    return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string ListView::Cell(int row, int column) const {
    wchar_t buffer[kTextBuffer] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = kTextBuffer;
    const auto length = SendMessageW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return WideToUtf8(std::wstring_view(buffer, static_cast<size_t>(length)));
}

std::string ListView::Header(int column) const {
    wchar_t buffer[kTextBuffer] = {};
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = buffer;
    info.cchTextMax = kTextBuffer;
    if (!SendMessageW(list_, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info))) return {};
    return WideToUtf8(buffer);
}

int ListView::ColumnWidth(int column) const {
    return static_cast<int>(SendMessageW(list_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

}  // namespace kestrowa
