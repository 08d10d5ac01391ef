#pragma once
#include <string>
#include <vector>

namespace kestrowa {

struct TableColumn {
    std::string header;
    int width = 0;  // pixels
};

// The contents of a list view in report style: its columns, its rows top to bottom (each with
// one cell text per column) and how far to scroll down after filling it.
struct Table {
    std::vector<TableColumn> columns;
    std::vector<std::vector<std::string>> rows;
    int scroll = 0;  // pixels

    std::vector<std::string>& AddRow() { return rows.emplace_back(columns.size()); }
};

}  // namespace kestrowa
