#include <gtest/gtest.h>

#include "shared/Table.h"

using namespace kestrowa;

TEST(TableText, HeadingsAndRowsAsTabSeparatedLines) {
    Table table;
    table.columns = {{"日付", 60}, {"起動", 40}, {" 時間", 50}};
    table.AddRow() = {"09/05/01", "  2", "  9.00"};
    table.AddRow() = {"", "", ""};
    table.AddRow() = {"計", "  2"};                     // shorter: the last cell shows empty
    table.AddRow() = {"a", "b", "c", "not shown"};       // longer: the list leaves it out
    table.AddRow() = {"tab\there", "line\r\nbreak", "x"};  // cannot split a cell or a row
    EXPECT_EQ(TableText(table),
              "日付\t起動\t 時間\r\n"
              "09/05/01\t  2\t  9.00\r\n"
              "\t\t\r\n"
              "計\t  2\t\r\n"
              "a\tb\tc\r\n"
              "tab here\tline  break\tx\r\n");
}

TEST(TableText, ListWithoutColumnsGivesNothing) {
    Table table;
    table.rows.push_back({"orphan"});
    EXPECT_EQ(TableText(table), "");
    table.rows.clear();
    table.columns = {{"only", 10}};
    EXPECT_EQ(TableText(table), "only\r\n");
}
