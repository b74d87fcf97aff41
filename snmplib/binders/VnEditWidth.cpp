#include "VnEditWidth.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

#include "VnEditConstraint.h"

namespace {

int Digits(double value)
{
    return static_cast<int>(QString::number(value, 'f', 0).size());
}

// The character of `set` that is widest in `metrics`.
QChar Widest(const QFontMetrics& metrics, const char* set)
{
    QChar widest = QLatin1Char(set[0]);
    for (const char* c = set; *c; ++c) {
        if (metrics.horizontalAdvance(QLatin1Char(*c)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(*c);
    }
    return widest;
}

}  // namespace

QString VnLongestAdmitted(const _EditConstraint_s& record, const QFontMetrics& metrics)
{
    int chars = 0;
    bool number = true;
    switch (record.conversion) {
    case 'f':
    case 'i':
    case 'u':
        chars = std::max(Digits(record.minimum), Digits(record.maximum));
        if (record.maxLength > 0)
            chars = std::min(chars, record.maxLength);
        break;
    case 'n':
        // The limit counts numbers, with a delimiter between two.
        if (record.maxLength > 0)
            chars = record.maxLength * (Digits(record.maximum) + 1) - 1;
        break;
    default:
        chars = record.maxLength;
        number = false;
        break;
    }
    chars = std::clamp(chars, 0, kVnWholeChars);
    return QString(chars, Widest(metrics, number ? "0123456789" : "0123456789ABCDEF"));
}

int VnLineEditWidth(const QLineEdit& edit, const QString& text)
{
    const QFontMetrics metrics(edit.font());
    const QMargins textMargins = edit.textMargins();
    const QMargins margins = edit.contentsMargins();
    // A line edit keeps 2 pixels either side of its text; 1 more for the
    // cursor after the last character.
    const int inner = metrics.horizontalAdvance(text) + 2 * 2 + 1 + textMargins.left() + textMargins.right() +
                      margins.left() + margins.right();
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    return edit.style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(inner, metrics.height()), &edit).width();
}

void VnFitEditToConstraint(QLineEdit& edit, const _EditConstraint_s& record)
{
    if (edit.minimumWidth() == edit.maximumWidth())
        return;
    const QString longest = VnLongestAdmitted(record, QFontMetrics(edit.font()));
    if (longest.isEmpty())
        return;
    edit.setMinimumWidth(std::max(edit.minimumWidth(), VnLineEditWidth(edit, longest)));
}
