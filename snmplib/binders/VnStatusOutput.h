#pragma once
// Where the binders write their status lines: a memo (read-only
// QPlainTextEdit, one line appended per status), a status bar (its simple
// text) or one panel of a status bar. The kind is decided by the widget's
// class each time a line is written; any other widget is accepted and
// ignored.
#include <QLabel>
#include <QStatusBar>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

class QPlainTextEdit;

// One panel of a VnStatusBar.
class VnStatusPanel : public QLabel {
public:
    explicit VnStatusPanel(QWidget* parent = nullptr) : QLabel(parent) {}
    QString Text() const { return text(); }
    void SetText(const QString& text) { setText(text); }
};

// A status bar with panels side by side and a simple-text mode that shows
// one text over the whole width instead of the panels. A bar without panels
// shows its simple text whatever the mode.
class VnStatusBar : public QStatusBar {
public:
    explicit VnStatusBar(QWidget* parent = nullptr);

    // Appends a panel; width 0 lets it stretch.
    VnStatusPanel* AddPanel(int width = 0);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    // Null for an index outside the panels.
    VnStatusPanel* Panel(int i) const;

    bool SimplePanel() const { return simple_; }
    void SetSimplePanel(bool simple);
    QString SimpleText() const { return simpleText_->text(); }
    // Kept and shown whenever the bar is in simple-text mode.
    void SetSimpleText(const QString& text) { simpleText_->setText(text); }

private:
    void ShowMode();

    bool simple_ = false;
    QLabel* simpleText_;
    std::vector<VnStatusPanel*> panels_;
};

// Writes one line to a status output by its class: a QPlainTextEdit gets it
// appended, a VnStatusBar as its simple text (another QStatusBar as its
// message), a VnStatusPanel as its text. A null output or a widget of any
// other class takes nothing.
void VnWriteStatusLine(QWidget* output, const QString& line);

// The local time as a status line shows it: "hh:mm:ss" on the 12-hour
// clock, a blank and the locale's morning or afternoon designator.
std::string VnStatusTime();

// Fills a status template: with an empty caption, the text from "[ERROR]"'s
// end through "[VARLIST]" is dropped when "[ERROR]" comes first (the
// built-in " Request:[VARLIST]"), else every "[VARLIST]" becomes the
// caption; then every "[ERROR]" becomes the error text and every "[TIME]"
// the time, in that order. Replaced text is not searched again.
std::string VnFillStatusTemplate(std::string_view statusTemplate, std::string_view errorText,
                                 std::string_view caption, std::string_view time);
