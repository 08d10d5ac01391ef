#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace kestrowa {

// A list-view control in report style, filled column by column and row by row with UTF-8 texts.
class ListView {
public:
    explicit ListView(HWND list = nullptr) : list_(list) {}
    HWND Hwnd() const { return list_; }

    // Grid lines, header drag-and-drop and full-row selection added to the current extended
    // styles; every row and every column removed.
    void Clear() const;
    // Appends a left-aligned column.
    void AddColumn(std::string_view header, int width) const;
    // Appends a row; cells beyond the columns are left out.
    void AddRow(const std::vector<std::string>& cells) const;
    // Scrolls the list down by that many pixels.
    void ScrollDown(int pixels) const;

    int RowCount() const;
    int ColumnCount() const;
    std::string Cell(int row, int column) const;
    std::string Header(int column) const;
    int ColumnWidth(int column) const;

private:
    HWND list_;
};

// Rebuilds a list from a table: any value with `columns` (each with its `header` and `width`),
// `rows` of cell texts and `scroll`, the pixels to scroll down by once it is filled.
template <class TableValue>
void ShowTable(const ListView& list, const TableValue& table) {
    SendMessageW(list.Hwnd(), WM_SETREDRAW, FALSE, 0);
    list.Clear();
    for (const auto& column : table.columns) list.AddColumn(column.header, column.width);
    for (const auto& row : table.rows) list.AddRow(row);
    SendMessageW(list.Hwnd(), WM_SETREDRAW, TRUE, 0);
    list.ScrollDown(table.scroll);
    InvalidateRect(list.Hwnd(), nullptr, TRUE);
}

}  // namespace kestrowa
