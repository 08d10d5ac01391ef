#pragma once
#include <span>
#include <utility>

#include "platform/win/ui/TabbedDialog.h"
#include "viewer/settings/DisplaySettings.h"

namespace kestrowa {

// The 表示項目 page, template 144: how the main window shows the log. Each radio sets its value
// and each check box flips its own the moment it is clicked.
class CDisplayItemsPage : public DialogWithTable<CDisplayItemsPage, Page> {
public:
    explicit CDisplayItemsPage(const DisplayItems& items);
    static std::span<const MessageEntry<CDisplayItemsPage>> MessageTable();

    const DisplayItems& Items() const { return items_; }

private:
    void OnInitDialog(WPARAM, LPARAM);
    template <size_t Radio>
    void OnRadio();
    template <size_t Box>
    void OnBox();
    template <size_t... Radios, size_t... Boxes>
    static std::span<const MessageEntry<CDisplayItemsPage>> Table(std::index_sequence<Radios...>,
                                                                   std::index_sequence<Boxes...>);

    DisplayItems items_;
};

}  // namespace kestrowa
