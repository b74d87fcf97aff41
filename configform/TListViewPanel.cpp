#include "TListViewPanel.h"

#include <QVBoxLayout>

#include <algorithm>

#include "TCtrlBtnPanel.h"
#include "VnSNMPRequest2Edits.h"

TListViewPanel::TListViewPanel(QWidget* owner, VnSNMPRequest2Edits* binder) : QFrame(owner)
{
    ListView = new QTreeWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListView);
    if (binder)
        binder->BindListView(ListView, false);
    ListView->setAllColumnsShowFocus(true);

    // Room for the captions at 8 pixels a character, within 450.
    int width = 2 * ListView->frameWidth();
    for (int column = 0; column < ListView->columnCount(); ++column)
        width += kPixelsPerChar * static_cast<int>(ListView->headerItem()->text(column).size());
    designSize_ = QSize(std::min(width, kMaxWidth), kHeight);
    resize(designSize_);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* column)
{
    for (QWidget* shown : {static_cast<QWidget*>(column->SamplesLabel), static_cast<QWidget*>(column->CountText),
                           static_cast<QWidget*>(column->RefreshBtn), static_cast<QWidget*>(column->EditBtn),
                           static_cast<QWidget*>(column->CloseBtn)})
        shown->show();
    column->EditBtn->setEnabled(false);
    column->DeleteBtn->setEnabled(false);
    column->SetCheckedBtn->hide();
    column->AddBtn->setVisible(AddStatusColumn != -1);
    column->DeleteBtn->setVisible(DeleteStatusColumn != -1);
    column->CheckAllBtn->hide();
    column->ClearChecksBtn->hide();
    column->ArrangeButtons();
}

QSize TListViewPanel::sizeHint() const
{
    return designSize_;
}

QSize TListViewPanel::minimumSizeHint() const
{
    return {0, 0};
}
