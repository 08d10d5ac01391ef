#pragma once
#include <span>

#include "platform/win/ui/Dialog.h"
#include "shared/DrawList.h"
#include "viewer/analysis/TrendGraph.h"

namespace kestrowa {

// The trend graph, template 130: the month by day with stepping to other months, or the whole
// log by month, 96 months at a time. Modal, opened by the main window.
class CTrendGraphDlg : public DialogWithTable<CTrendGraphDlg> {
public:
    explicit CTrendGraphDlg(TrendGraphOpening opening);
    static std::span<const MessageEntry<CTrendGraphDlg>> MessageTable();

    const TrendGraph& Graph() const { return graph_; }
    // What the drawing area showed at its last paint.
    const DrawList& Drawing() const { return drawing_; }

private:
    void OnInitDialog(WPARAM, LPARAM);
    LRESULT OnDrawItem(WPARAM, LPARAM);
    void OnCurrentMonth();
    void OnYearMonth();
    void OnFirst();
    void OnSecond();
    void OnOk();
    void OnCancel();

    // Shows the title, radios and buttons of the mode and draws the area again at once.
    void ShowGraph();

    TrendGraph graph_;
    DrawList drawing_;
};

}  // namespace kestrowa
