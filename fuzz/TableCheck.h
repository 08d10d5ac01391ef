#pragma once
#include "FuzzInput.h"
#include "shared/Table.h"

// A list view takes one cell per column in every row.
inline void CheckTable(const kestrowa::Table& table) {
    for (const std::vector<std::string>& row : table.rows) FUZZ_CHECK(row.size() == table.columns.size());
}
