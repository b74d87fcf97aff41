#pragma once
// Where the binders write their status lines: a memo (read-only
// QPlainTextEdit, one line appended per status), a status bar (its status
// line, beside its panels) or one panel of a status bar. The kind is decided by the widget's
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

// A status bar: panels side by side, then the status line of the binders
// that write to the bar. Panels and line show together, so a form can keep
// its own texts in panel 0 while a binder reports in the line; the line
// takes the width the panels leave and is hidden while it is empty.
class VnStatusBar : public QStatusBar {
public:
    explicit VnStatusBar(QWidget* parent = nullptr);

    // Appends a panel before the line, at least `width` wide; width 0
    // lets it stretch.
    VnStatusPanel* AddPanel(int width = 0);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    // Null for an index outside the panels.
    VnStatusPanel* Panel(int i) const;

    // The line a binder writes when the bar is its status output.
    QString StatusLine() const { return line_->text(); }
    void SetStatusLine(const QString& text);

private:
    QLabel* line_;
    std::vector<VnStatusPanel*> panels_;
};

// Writes one line to a status output by its class: a QPlainTextEdit gets it
// appended, a VnStatusBar as its status line (another QStatusBar as its
// message), a VnStatusPanel as its text. A null output or a widget of any
// other class takes nothing.
// A passing line (the progress of a walk) is replaced by the next line
// written, also in a memo, where it takes the place of the last line.
// A memo shows its newest line from its start: at its end, or, when that
// line is taller than the view, with its first line at the top.
enum class VnLineKind { Lasting, Passing };
void VnWriteStatusLine(QWidget* output, const QString& line, VnLineKind kind = VnLineKind::Lasting);
// Appends a line to a memo, shown as VnWriteStatusLine shows it; a passing
// line above it stays.
void VnAppendMemoLine(QPlainTextEdit* memo, const QString& line);
// Whether the output's last line is a passing one: always for an output of
// one line, which any line replaces.
bool VnShowsPassingLine(const QWidget* output);
// Removes a memo's passing last line, so that the line above it is the
// last again; false (and nothing done) for an output of one line, or a
// memo whose last line is not a passing one or has no line above it.
bool VnDropPassingLine(QWidget* output);

// The local time as a status line shows it: "hh:mm:ss" on the 12-hour
// clock, a blank and the locale's morning or afternoon designator.
std::string VnStatusTime();

// Fills a status template: with an empty caption, the text from "[ERROR]"'s
// end through "[VARLIST]" is dropped when "[ERROR]" comes first (the
// built-in " Request:[VARLIST]"), else every "[VARLIST]" becomes the
// caption; then every "[ERROR]" becomes the error text and every "[TIME]"
// the time, in that order. Replaced text is not searched again. A text
// that ends with a full stop takes the place of the template's full stop
// right after its placeholder ("Nothing sent." gives "Nothing sent.
// Receive at", never "sent.."); "Ok!" keeps the template's.
std::string VnFillStatusTemplate(std::string_view statusTemplate, std::string_view errorText,
                                 std::string_view caption, std::string_view time);
