#pragma once
// A form that is never shown: its two flags serialise the refreshes of the
// GARP and port-capability dialogs, whose binders call RequestDone when a
// read has ended.
#include <QWidget>

class TForm1 : public QWidget {
public:
    explicit TForm1(QWidget* parent = nullptr);

    // No refresh of either dialog is under way.
    bool idle = true;
    // The last request of such a refresh has completed.
    bool done = true;

    void RequestDone(QObject* sender = nullptr);
};

// Made by the entry point after the main window; lives as long as the program.
extern TForm1* Form1;
