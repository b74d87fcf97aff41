#include "TListViewPanel.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

#include "TCtrlBtnPanel.h"
#include "TSNMPPanel.h"
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

    // Room for the captions at 8 pixels a character, within 450, at the
    // least; 8 pixels cut captions in most fonts, so the panel widens to
    // the columns' own widths.
    int width = 2 * ListView->frameWidth();
    for (int column = 0; column < ListView->columnCount(); ++column)
        width += kPixelsPerChar * static_cast<int>(ListView->headerItem()->text(column).size());
    designSize_ = QSize(std::min(width, kMaxWidth), kHeight);
    FitToColumns();
    resize(designSize_);
}

int TListViewPanel::ColumnsWidth() const
{
    const QHeaderView* header = ListView->header();
    // QTreeView hides the contents' width hint; the view's own is public.
    const QAbstractItemView* view = ListView;
    const int last = ListView->columnCount() - 1;
    int width = 2 * ListView->frameWidth() + ListView->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column <= last; ++column) {
        const int size = header->sectionSize(column);
        // The last column is stretched to the view's edge: its own width
        // is its caption's or its texts'.
        if (column == last && size > 0)
            width += std::max(header->sectionSizeHint(column), view->sizeHintForColumn(column));
        else
            width += size;
    }
    return width;
}

bool TListViewPanel::FitToColumns()
{
    const int wanted = std::min(ColumnsWidth(), TSNMPPanel::kMaxWorkWidth);
    if (wanted <= designSize_.width())
        return false;
    designSize_.setWidth(wanted);
    resize(wanted, height());
    updateGeometry();
    return true;
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
