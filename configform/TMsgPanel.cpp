#include "TMsgPanel.h"

#include <QVBoxLayout>

TMsgPanel::TMsgPanel(QWidget* owner) : QFrame(owner)
{
    resize(width(), kHeight);
    Memo = new QPlainTextEdit(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo);
}

QSize TMsgPanel::sizeHint() const
{
    return {QFrame::sizeHint().width(), kHeight};
}

QSize TMsgPanel::minimumSizeHint() const
{
    return {0, 0};
}
