#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "shared/Table.h"

namespace kestrowa {

// A list-view control in report style, filled from a `Table`. A list that has shown a table
// copies it to the clipboard, as text a spreadsheet takes (`TableText`), on Ctrl+C and on the
// コピー item of its context menu; the table it keeps for that goes with the control, and is
// fitted again to every new font the list is given.
class ListView {
public:
    explicit ListView(HWND list = nullptr) : list_(list) {}
    HWND Hwnd() const { return list_; }

    // Replaces the columns and rows with the table's (grid lines, header drag-and-drop and
    // full-row selection added to the extended styles), widens each column whose heading or
    // widest cell its width would clip in the list's font, and shows the last row whole when the
    // table asks for its end.
    void Show(const Table& table) const;
    // Puts the table shown on the clipboard as Unicode text; false when there is none or the
    // clipboard cannot be had.
    bool CopyToClipboard() const;
    // Fits the columns to the texts of `table`, which the list shows, in its present font, and
    // shows its last row whole when the table asks for its end.
    void Settle(const Table& table) const;

    int RowCount() const;
    int ColumnCount() const;
    std::string Cell(int row, int column) const;
    std::string Header(int column) const;
    int ColumnWidth(int column) const;

private:
    void Clear() const;
    void AddColumn(std::string_view header, int width) const;
    void AddRow(const std::vector<std::string>& cells) const;
    // Pixels of a text in the list's font.
    int TextWidth(std::string_view text) const;
    void FitColumns(const Table& table) const;
    // The table shown, kept with the control from the first Show on.
    Table* Shown() const;

    HWND list_;
};

}  // namespace kestrowa
