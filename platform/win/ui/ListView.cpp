#include "platform/win/ui/ListView.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/win/os/Text.h"
#include "platform/win/ui/Gdi.h"

namespace kestrowa {

namespace {
// Cells and headers are read through a buffer of this many characters.
constexpr int kTextBuffer = 512;
// What a column keeps beside its text: the margins of a cell or a heading on both sides, and a
// pixel of the grid line.
constexpr int kTextMargins = 14;
constexpr UINT_PTR kSubclassId = 1;
// The window property that holds the table shown (comctl32 names no lookup of a subclass's data).
constexpr const wchar_t* kTableProperty = L"Kestrowa.ListView.Table";
constexpr UINT kCopyCommand = 1;
constexpr const wchar_t* kCopyItem = L"コピー(&C)\tCtrl+C";

HWND HeaderControl(HWND list) { return reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)); }

// Owns the clipboard while it is open.
class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;
    ~ClipboardScope() {
        if (open_) CloseClipboard();
    }
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

// Owns global memory until the clipboard takes it.
struct GlobalFreer {
    void operator()(void* memory) const { GlobalFree(memory); }
};
using GlobalMemory = std::unique_ptr<void, GlobalFreer>;

bool PutUnicodeText(HWND owner, const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) return false;
    void* locked = GlobalLock(memory.get());
    if (!locked) return false;
    std::memcpy(locked, text.c_str(), bytes);
    GlobalUnlock(memory.get());
    ClipboardScope clipboard(owner);
    if (!clipboard || !EmptyClipboard()) return false;
    if (!SetClipboardData(CF_UNICODETEXT, memory.get())) return false;
    memory.release();  // the clipboard's now
    return true;
}

// The context menu at a screen point; the keyboard's menu key gives (-1, -1): the list's corner.
void ShowCopyMenu(HWND list, LPARAM at) {
    POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (point.x == -1 && point.y == -1) {
        point = {0, 0};
        ClientToScreen(list, &point);
    }
    MenuHandle menu(CreatePopupMenu());
    if (!menu.Get() || !AppendMenuW(menu.Get(), MF_STRING, kCopyCommand, kCopyItem)) return;
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, point.x, point.y, 0, list, nullptr));
    if (chosen == kCopyCommand) ListView(list).CopyToClipboard();
}

LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == 'C' && GetKeyState(VK_CONTROL) < 0) {
                ListView(list).CopyToClipboard();
                return 0;
            }
            break;
        case WM_CONTEXTMENU:
            ShowCopyMenu(list, lParam);
            return 0;
        case WM_SETFONT: {
            // A new font (the window moved to a monitor of another DPI, say) needs other widths
            // and row heights: the table shown is fitted to it again.
            const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
            ListView(list).Settle(*reinterpret_cast<const Table*>(data));
            return result;
        }
        case WM_NCDESTROY:
            RemovePropW(list, kTableProperty);
            RemoveWindowSubclass(list, ListProcedure, kSubclassId);
            delete reinterpret_cast<Table*>(data);
            break;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}
}  // namespace

Table* ListView::Shown() const {
    if (auto* shown = static_cast<Table*>(GetPropW(list_, kTableProperty))) return shown;
    auto table = std::make_unique<Table>();
    if (!SetPropW(list_, kTableProperty, table.get())) return nullptr;
    if (!SetWindowSubclass(list_, ListProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(table.get()))) {
        RemovePropW(list_, kTableProperty);
        return nullptr;
    }
    return table.release();  // freed with the control
}

void ListView::Show(const Table& table) const {
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    Clear();
    for (const TableColumn& column : table.columns) AddColumn(column.header, column.width);
    for (const std::vector<std::string>& row : table.rows) AddRow(row);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    Settle(table);
    if (Table* shown = Shown()) *shown = table;
}

void ListView::Settle(const Table& table) const {
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    FitColumns(table);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    // Scrolled by the list's own row height, which follows its font and the DPI.
    if (table.showEnd && !table.rows.empty())
        SendMessageW(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(table.rows.size() - 1), FALSE);
    InvalidateRect(list_, nullptr, TRUE);
}

bool ListView::CopyToClipboard() const {
    const auto* shown = static_cast<const Table*>(GetPropW(list_, kTableProperty));
    if (!shown) return false;
    const std::string text = TableText(*shown);
    return !text.empty() && PutUnicodeText(list_, Utf8ToWide(text));
}

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

int ListView::TextWidth(std::string_view text) const {
    const std::wstring wide = Utf8ToWide(text);
    return static_cast<int>(SendMessageW(list_, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

void ListView::FitColumns(const Table& table) const {
    for (size_t c = 0; c < table.columns.size(); ++c) {
        int widest = TextWidth(table.columns[c].header);
        for (const std::vector<std::string>& row : table.rows)
            if (c < row.size()) widest = std::max(widest, TextWidth(row[c]));
        const int width = std::max(table.columns[c].width, widest + kTextMargins);
        if (width != ColumnWidth(static_cast<int>(c)))
            SendMessageW(list_, LVM_SETCOLUMNWIDTH, c, MAKELPARAM(width, 0));
    }
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
