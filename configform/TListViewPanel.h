#pragma once
// A report-style list of a table's rows bound to a binder, and the status
// column settings through which the table editor adds and deletes rows.
#include <QFrame>
#include <QTreeWidget>

class TCtrlBtnPanel;
class VnSNMPRequest2Edits;

class TListViewPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kMaxWidth = 450;  // of the room the captions are given
    static constexpr int kHeight = 350;
    static constexpr int kPixelsPerChar = 8;

    TListViewPanel(QWidget* owner, VnSNMPRequest2Edits* binder);

    QTreeWidget* ListView;
    int DeleteStatusColumn = -1;  // -1: not offered
    int AddStatusColumn = -1;
    const char* AddStatusValue = nullptr;
    const char* DeleteStatusValue = nullptr;

    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* column);

    // The width that shows every column as laid out now (the last one at
    // its caption's or its texts' width), the frame and a vertical scroll
    // bar.
    int ColumnsWidth() const;
    // Widens the panel to ColumnsWidth(), within what a form shows whole;
    // it never narrows. True when it grew.
    bool FitToColumns();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QSize designSize_;  // the room asked for: captions, then columns
};
