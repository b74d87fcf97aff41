#pragma once
// The frame most dialogs share, built with Qt layouts:
//
//   +--------------------------------+---------+
//   | list view                      | Samples |
//   |================================| [count] |
//   | edit area                      | Refresh |
//   |================================| Set ... |
//   | memo                           |         |
//   +--------------------------------+---------+
//   | status bar                               |
//   +------------------------------------------+
//
// Every part is made by its own call and may be left out; the client parts
// stack in a vertical splitter in the order of the calls, the right column
// takes the count and the buttons in the order of the calls. No size is
// fixed: what a dialog's layout gives in pixels is at most a minimum, so
// large fonts and long texts make the parts grow instead of clipping them.
//
//     VnDialogFrame frame(*this);
//     LV_dot1qVlanStaticEntry = frame.ListView("LV_dot1qVlanStaticEntry");
//     QWidget* panel4 = frame.EditArea("Panel4");
//     Memo1 = frame.Memo("Memo1");
//     ST_Count2 = frame.Count("ST_Count2");
//     RefreshBtn = frame.Button("RefreshBtn", "Refresh");
#include <QGridLayout>
#include <QLabel>
#include <QString>
#include <QWidget>

class QDialog;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTreeWidget;
class QVBoxLayout;
class VnStatusBar;

class VnDialogFrame {
public:
    explicit VnDialogFrame(QDialog& form);

    QTreeWidget* ListView(const char* name);
    // A panel for the dialog's fields; the caller gives it its layout.
    QWidget* EditArea(const char* name, int minimumHeight = 0);
    // The read-only status memo, at least `lines` lines high.
    QPlainTextEdit* Memo(const char* name = "Memo1", int lines = 4);
    // Along the whole bottom edge.
    VnStatusBar* StatusBar(const char* name = "StatusBar1");
    // The row count: `caption` over a sunken, centred text.
    QLabel* Count(const char* name, const char* caption = "Samples");
    QPushButton* Button(const char* name, const char* caption);

    QSplitter* Client() const { return client_; }

private:
    void AddToClient(QWidget* part, int stretch);

    QDialog& form_;
    QSplitter* client_;
    QVBoxLayout* column_;
    QVBoxLayout* outer_;
};

// A sunken, centred text (a row count, a value shown only).
QLabel* VnSunkenText(QWidget* parent, const char* name);

// Labelled fields in a grid: row r, pair p puts the caption in column 2p
// and the control in column 2p + 1; the control columns share the width.
class VnFieldGrid {
public:
    explicit VnFieldGrid(QWidget* area);

    template <typename Control>
    Control* Add(int row, int pair, const char* caption, const char* name)
    {
        auto* control = new Control(area_);
        control->setObjectName(name);
        Place(row, pair, caption, control);
        return control;
    }
    void Place(int row, int pair, const char* caption, QWidget* control);
    QGridLayout* Layout() const { return layout_; }

private:
    QWidget* area_;
    QGridLayout* layout_;
};
