#include "VnStatusOutput.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTime>

#include <cstdio>

namespace {

void Sink(QLabel* label)
{
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
}

// Where a memo keeps the text of its passing line: known by its text, a
// line someone else appended after it stays.
constexpr const char* kPassing = "vnPassingLine";

void RemoveLastLine(QPlainTextEdit* memo)
{
    QTextCursor last(memo->document()->lastBlock());
    last.select(QTextCursor::BlockUnderCursor);
    last.removeSelectedText();
}

// The memo at its end, unless its newest line is taller than the view:
// then that line from its start, so that a long message is read from its
// first words, not from its last.
void ShowNewestLine(QPlainTextEdit* memo)
{
    memo->moveCursor(QTextCursor::End);
    memo->ensureCursorVisible();
    memo->setTextCursor(QTextCursor(memo->document()->lastBlock()));
    memo->ensureCursorVisible();
}

// Every `placeholder` of `line` becomes `value`; a value
// that ends its sentence itself takes the place of the template's own
// full stop after the placeholder. Inserted text is not searched again.
void Fill(std::string& line, std::string_view placeholder, std::string_view value)
{
    for (std::size_t at = line.find(placeholder); at != std::string::npos; at = line.find(placeholder, at)) {
        std::size_t length = placeholder.size();
        if (!value.empty() && value.back() == '.' && line.compare(at + length, 1, ".") == 0)
            ++length;
        line.replace(at, length, value);
        at += value.size();
    }
}

}  // namespace

VnStatusBar::VnStatusBar(QWidget* parent) : QStatusBar(parent), line_(new QLabel(this))
{
    setSizeGripEnabled(false);
    line_->setObjectName("StatusLine");
    Sink(line_);
    // A long line is cut at the bar's end (the whole of it in the tool
    // tip) rather than widening the form.
    line_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    line_->setMinimumWidth(line_->fontMetrics().averageCharWidth() * 16);
    line_->hide();
    addWidget(line_, 1);
}

VnStatusPanel* VnStatusBar::AddPanel(int width)
{
    auto* panel = new VnStatusPanel(this);
    Sink(panel);
    // The width is a minimum: a longer text or a larger font widens the
    // panel while the bar has room, and never widens the form.
    if (width > 0)
        panel->setMinimumWidth(width);
    insertWidget(PanelCount(), panel, width > 0 ? 0 : 1);
    panels_.push_back(panel);
    return panel;
}

VnStatusPanel* VnStatusBar::Panel(int i) const
{
    if (i < 0 || i >= PanelCount())
        return nullptr;
    return panels_[static_cast<std::size_t>(i)];
}

void VnStatusBar::SetStatusLine(const QString& text)
{
    line_->setText(text);
    line_->setToolTip(text);
    line_->setVisible(!text.isEmpty());
}

void VnWriteStatusLine(QWidget* output, const QString& line, VnLineKind kind)
{
    if (!output)
        return;
    if (auto* memo = qobject_cast<QPlainTextEdit*>(output)) {
        const QString passing = memo->property(kPassing).toString();
        memo->setProperty(kPassing, kind == VnLineKind::Passing ? line : QString());
        QTextDocument* document = memo->document();
        if (passing.isEmpty() || document->lastBlock().text() != passing) {
            memo->appendPlainText(line);
        } else if (document->blockCount() == 1) {
            memo->setPlainText(line);
        } else {
            RemoveLastLine(memo);
            memo->appendPlainText(line);
        }
        ShowNewestLine(memo);
        return;
    }
    if (auto* bar = dynamic_cast<VnStatusBar*>(output)) {
        bar->SetStatusLine(line);
        return;
    }
    if (auto* bar = qobject_cast<QStatusBar*>(output)) {
        bar->showMessage(line);
        return;
    }
    if (auto* panel = dynamic_cast<VnStatusPanel*>(output))
        panel->SetText(line);
}

void VnAppendMemoLine(QPlainTextEdit* memo, const QString& line)
{
    memo->appendPlainText(line);
    ShowNewestLine(memo);
}

bool VnDropPassingLine(QWidget* output)
{
    auto* memo = qobject_cast<QPlainTextEdit*>(output);
    if (!memo || !VnShowsPassingLine(memo) || memo->document()->blockCount() < 2)
        return false;
    memo->setProperty(kPassing, QString());
    RemoveLastLine(memo);
    ShowNewestLine(memo);
    return true;
}

bool VnShowsPassingLine(const QWidget* output)
{
    const auto* memo = qobject_cast<const QPlainTextEdit*>(output);
    if (!memo)
        return output != nullptr;
    const QString passing = memo->property(kPassing).toString();
    return !passing.isEmpty() && memo->document()->lastBlock().text() == passing;
}

std::string VnStatusTime()
{
    const QTime now = QTime::currentTime();
    const int hour12 = now.hour() % 12 == 0 ? 12 : now.hour() % 12;
    const QLocale locale;
    const QString designator = now.hour() < 12 ? locale.amText() : locale.pmText();
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", hour12, now.minute(), now.second());
    return std::string(clock) + ' ' + designator.toStdString();
}

std::string VnFillStatusTemplate(std::string_view statusTemplate, std::string_view errorText,
                                 std::string_view caption, std::string_view time)
{
    static constexpr std::string_view kError = "[ERROR]";
    static constexpr std::string_view kVarList = "[VARLIST]";
    std::string line(statusTemplate);
    if (caption.empty()) {
        const std::size_t error = line.find(kError);
        const std::size_t varList = line.find(kVarList);
        // Only " Request:[VARLIST]" style text after the error goes; a
        // template written the other way round keeps "[VARLIST]" as it is.
        if (error != std::string::npos && varList != std::string::npos && error < varList) {
            const std::size_t from = error + kError.size();
            line.erase(from, varList + kVarList.size() - from);
        }
    } else {
        Fill(line, kVarList, caption);
    }
    Fill(line, kError, errorText);
    Fill(line, "[TIME]", time);
    return line;
}
