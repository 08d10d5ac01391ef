#pragma once
#include <string>
#include <vector>

namespace kestrowa {

struct TableColumn {
    std::string header;
    int width = 0;  // pixels
};

// The contents of a list view in report style: its columns, its rows top to bottom (each with
// one cell text per column) and whether it opens scrolled to its end.
struct Table {
    std::vector<TableColumn> columns;
    std::vector<std::vector<std::string>> rows;
    // The list opens with its last row fully shown, whatever its row height (font, DPI).
    bool showEnd = false;

    std::vector<std::string>& AddRow() { return rows.emplace_back(columns.size()); }
};

// The table as a spreadsheet takes it from the clipboard: the headings, then each row, one line
// each (CR LF), the cells separated by tabs. A row has as many cells as the list shows, one per
// column; a tab or line break inside a cell becomes a blank so that it cannot split the cell.
std::string TableText(const Table& table);

}  // namespace kestrowa
