#include "shared/Table.h"

namespace kestrowa {

namespace {
void AppendCell(std::string& text, const std::string& cell) {
    for (char c : cell) text += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
}
}  // namespace

std::string TableText(const Table& table) {
    std::string text;
    if (table.columns.empty()) return text;
    const size_t columns = table.columns.size();
    for (size_t c = 0; c < columns; ++c) {
        if (c > 0) text += '\t';
        AppendCell(text, table.columns[c].header);
    }
    text += "\r\n";
    for (const std::vector<std::string>& row : table.rows) {
        for (size_t c = 0; c < columns; ++c) {
            if (c > 0) text += '\t';
            if (c < row.size()) AppendCell(text, row[c]);
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace kestrowa
