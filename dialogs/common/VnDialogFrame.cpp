#include "VnDialogFrame.h"

#include <QDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "VnStatusOutput.h"

namespace {

// Stretch of the client parts when the form is resized: the rows and the
// fields share the height, the memo keeps its lines.
constexpr int kListStretch = 2;
constexpr int kEditStretch = 3;
constexpr int kMemoStretch = 0;

// A memo that asks for its few lines only, so the splitter gives the rest
// to the rows and the fields.
class FrameMemo : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    QSize sizeHint() const override { return {QPlainTextEdit::sizeHint().width(), minimumHeight()}; }
};

}  // namespace

VnDialogFrame::VnDialogFrame(QDialog& form) : form_(form)
{
    outer_ = new QVBoxLayout(&form);
    outer_->setContentsMargins(0, 0, 0, 0);
    outer_->setSpacing(0);
    auto* body = new QHBoxLayout;
    body->setContentsMargins(4, 4, 4, 4);
    body->setSpacing(4);
    client_ = new QSplitter(Qt::Vertical, &form);
    client_->setChildrenCollapsible(false);
    body->addWidget(client_, 1);
    column_ = new QVBoxLayout;
    column_->setContentsMargins(0, 0, 0, 0);
    column_->addStretch(1);
    body->addLayout(column_);
    outer_->addLayout(body, 1);
}

void VnDialogFrame::AddToClient(QWidget* part, int stretch)
{
    client_->addWidget(part);
    client_->setStretchFactor(client_->indexOf(part), stretch);
}

QTreeWidget* VnDialogFrame::ListView(const char* name)
{
    auto* listView = new QTreeWidget(client_);
    listView->setObjectName(name);
    AddToClient(listView, kListStretch);
    return listView;
}

QWidget* VnDialogFrame::EditArea(const char* name, int minimumHeight)
{
    auto* area = new QWidget(client_);
    area->setObjectName(name);
    area->setMinimumHeight(minimumHeight);
    AddToClient(area, kEditStretch);
    return area;
}

QPlainTextEdit* VnDialogFrame::Memo(const char* name, int lines)
{
    auto* memo = new FrameMemo(client_);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    const int frame = 2 * memo->frameWidth() + 2 * static_cast<int>(memo->document()->documentMargin());
    memo->setMinimumHeight(lines * memo->fontMetrics().lineSpacing() + frame);
    AddToClient(memo, kMemoStretch);
    return memo;
}

VnStatusBar* VnDialogFrame::StatusBar(const char* name)
{
    auto* bar = new VnStatusBar(&form_);
    bar->setObjectName(name);
    bar->setSizeGripEnabled(false);
    outer_->addWidget(bar);
    return bar;
}

QLabel* VnDialogFrame::Count(const char* name, const char* caption)
{
    auto* title = new QLabel(caption, &form_);
    title->setAlignment(Qt::AlignCenter);
    QLabel* count = VnSunkenText(&form_, name);
    // Before the stretch at the column's end.
    column_->insertWidget(column_->count() - 1, title);
    column_->insertWidget(column_->count() - 1, count);
    return count;
}

QPushButton* VnDialogFrame::Button(const char* name, const char* caption)
{
    auto* button = new QPushButton(caption, &form_);
    button->setObjectName(name);
    button->setAutoDefault(false);
    column_->insertWidget(column_->count() - 1, button);
    return button;
}

QLabel* VnSunkenText(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

VnFieldGrid::VnFieldGrid(QWidget* area) : area_(area), layout_(new QGridLayout(area))
{
    layout_->setContentsMargins(2, 4, 2, 2);
}

void VnFieldGrid::Place(int row, int pair, const char* caption, QWidget* control)
{
    auto* label = new QLabel(caption, area_);
    label->setBuddy(control);
    layout_->addWidget(label, row, 2 * pair);
    layout_->addWidget(control, row, 2 * pair + 1);
    layout_->setColumnStretch(2 * pair + 1, 1);
}
