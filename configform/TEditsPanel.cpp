#include "TEditsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include <algorithm>

#include "TCtrlBtnPanel.h"
#include "TSNMPPanel.h"
#include "VnException.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "VnSNMPVarList.h"
#include "VnErrorLanding.h"
#include "VnEditWidth.h"
#include "VnSendBoxes.h"

namespace {

constexpr int kBoxWidth = 20;
constexpr int kMinInputHeight = 20;
constexpr int kRaisedInputHeight = 21;

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

// Edits and combo boxes of one height, so the rows keep an even pitch.
int InputHeight()
{
    static const int height = [] {
        QLineEdit edit;
        QComboBox combo;
        return std::max(edit.sizeHint().height(), combo.sizeHint().height());
    }();
    return height;
}

// The longest text `record` admits, as that many sample characters; empty
// when it sets no bound.
QString LongestAdmitted(const _EditConstraint_s& record)
{
    const auto digits = [](double value) { return static_cast<int>(QString::number(value, 'f', 0).size()); };
    int chars = 0;
    switch (record.conversion) {
    case 'i':
    case 'u':
        chars = std::max(digits(record.minimum), digits(record.maximum));
        if (record.maxLength > 0)
            chars = std::min(chars, record.maxLength);
        break;
    case 'n':
        // The limit counts numbers, with a delimiter between two.
        if (record.maxLength > 0)
            chars = record.maxLength * (digits(record.maximum) + 1) - 1;
        break;
    default:
        chars = record.maxLength;
        break;
    }
    return QString(std::max(chars, 0), record.conversion == 's' ? QChar('x') : QChar('0'));
}


}  // namespace

bool VnIsShown(const QWidget* control)
{
    return control && !control->isHidden();
}

bool VnIsEnabled(const QWidget* control)
{
    return control && !control->testAttribute(Qt::WA_ForceDisabled);
}

TEditsPanel::TEditsPanel(QWidget* owner, VnSNMPRequest2Edits* binder)
    : QFrame(owner), DisabledFontColor(kBlack), scrollBox_(new QScrollArea(this))
{
    fitLater_.setSingleShot(true);
    fitLater_.setInterval(0);
    connect(&fitLater_, &QTimer::timeout, this,
            [this] { VnGuarded(VnErrorLanding::Silent(), [this] { FitToTexts(); }); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollBox_);
    auto* rowArea = new QWidget;
    scrollBox_->setWidget(rowArea);
    scrollBox_->setWidgetResizable(false);
    rowParent_ = rowArea;
    DisabledColor = palette().color(QPalette::Button);
    if (binder)
        SetRequest(binder);
    SetRowParent(rowArea);
    SetDisabledColors(kBlack, palette().color(QPalette::Button));
}

TEditsPanel::~TEditsPanel()
{
    for (const _EditRow_s& row : Rows) {
        if (row.CheckBox)
            row.CheckBox->disconnect(this);
        if (row.InputCtrl)
            row.InputCtrl->disconnect(this);
    }
}

QWidget* TEditsPanel::RowArea() const
{
    return scrollBox_->widget();
}

void TEditsPanel::DeleteRows()
{
    for (int i = 0; i < RowCount(); ++i) {
        _EditRow_s& row = Rows[static_cast<std::size_t>(i)];
        if (EditCtrl && i < EditCtrl->request.varList.Count())
            EditCtrl->Unbind(i);
        delete row.CheckBox;
        delete row.Label;
        delete row.InputCtrl;
    }
    Rows.clear();
}

void TEditsPanel::SetRequest(VnSNMPRequest2Edits* binder)
{
    DeleteRows();
    EditCtrl = binder;
    if (!binder)
        return;
    const VnSNMPVarList& list = binder->request.varList;
    QWidget* parent = rowParent_ ? rowParent_.data() : this;
    Rows.resize(static_cast<std::size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        _EditRow_s& row = Rows[static_cast<std::size_t>(i)];
        const VnSNMPVarItem& item = list.Item(i);
        const bool writable = list.IsWritable(i);
        if (item.options)
            row.CtrlType = writable ? 3 : 4;
        else
            row.CtrlType = writable ? 2 : 1;

        row.CheckBox = new QCheckBox(parent);
        row.CheckBox->resize(kBoxWidth, row.CheckBox->sizeHint().height());
        row.CheckBox->setFocusPolicy(Qt::ClickFocus);
        // toggled, not clicked: ticks the program makes count as clicks too.
        connect(row.CheckBox, &QCheckBox::toggled, this, [this] { CheckBoxClick(); });

        row.Label = new QLabel(QString::fromStdString(item.label), parent);
        row.Label->adjustSize();

        if (row.CtrlType == 3) {
            auto* combo = new QComboBox(parent);
            row.InputCtrl = combo;
            combo->resize(EditWidth, InputHeight());
            binder->BindComboBox(i, combo);
        } else {
            auto* edit = new QLineEdit(parent);
            row.InputCtrl = edit;
            edit->resize(EditWidth, InputHeight());
            const QString format = row.CtrlType == 4 ? QString("%s") : row.Format;
            binder->BindEdits(i, format.toStdString(), {edit});
            connect(edit, &QLineEdit::textChanged, this, [this, edit] {
                // Values read may widen the inputs; typing does not.
                if (!edit->isModified())
                    fitLater_.start();
            });
        }
        VnTickOnUserEdit(row.InputCtrl, row.CheckBox);
    }
    ResetRows(false);
    ArrangeRows(kLayoutRows, true);
}

void TEditsPanel::SetRowParent(QWidget* control)
{
    rowParent_ = control;
    for (const _EditRow_s& row : Rows) {
        for (QWidget* w : {static_cast<QWidget*>(row.Label), static_cast<QWidget*>(row.CheckBox), row.InputCtrl}) {
            if (w && w->parentWidget() != control) {
                const bool hidden = w->isHidden();
                w->setParent(control);
                w->setVisible(!hidden);
            }
        }
    }
}

void TEditsPanel::ApplyColors(QWidget* input, const QColor& font, const QColor& back)
{
    QPalette colors = input->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        colors.setColor(role, font);
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button})
        colors.setColor(role, back);
    input->setPalette(colors);
}

void TEditsPanel::DisableRow(int i)
{
    if (i < 0 || i >= RowCount()) {
        VnMessageBox(nullptr, QString("aIdx is overtop!\n you may define < %1").arg(RowCount()));
        return;
    }
    _EditRow_s& row = Rows[static_cast<std::size_t>(i)];
    row.CheckBox->setEnabled(false);
    row.CheckBox->hide();
    row.CheckBox->setChecked(false);
    if (auto* edit = qobject_cast<QLineEdit*>(row.InputCtrl)) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
    } else if (auto* combo = qobject_cast<QComboBox*>(row.InputCtrl)) {
        combo->setEnabled(false);
    } else {
        return;
    }
    ApplyColors(row.InputCtrl, DisabledFontColor, DisabledColor);
}

void TEditsPanel::EnableRow(int i)
{
    if (i < 0 || i >= RowCount())
        return;
    _EditRow_s& row = Rows[static_cast<std::size_t>(i)];
    row.CheckBox->setEnabled(true);
    row.CheckBox->show();
    row.CheckBox->setChecked(DefaultChecked);
    if (auto* edit = qobject_cast<QLineEdit*>(row.InputCtrl)) {
        edit->setReadOnly(false);
        edit->setFocusPolicy(Qt::StrongFocus);
    } else if (auto* combo = qobject_cast<QComboBox*>(row.InputCtrl)) {
        combo->setEnabled(true);
    } else {
        return;
    }
    ApplyColors(row.InputCtrl, kBlack, kWhite);
}

void TEditsPanel::ResetRows(bool checked)
{
    DefaultChecked = checked;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsReadOnlyRow(i) || IsKeyRow(i))
            DisableRow(i);
        else
            EnableRow(i);
    }
}

void TEditsPanel::SetDisabledColors(const QColor& fontColor, const QColor& color)
{
    DisabledFontColor = fontColor;
    DisabledColor = color;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsReadOnlyRow(i))
            DisableRow(i);
    }
}

void TEditsPanel::HideRow(int i)
{
    if (!EditCtrl || i < 0 || i >= RowCount() || i >= EditCtrl->request.varList.Count())
        return;
    EditCtrl->request.varList.Item(i).access |= VnAccess::Hidden;
    const _EditRow_s& row = Rows[static_cast<std::size_t>(i)];
    row.InputCtrl->hide();
    row.CheckBox->hide();
    row.Label->hide();
}

void TEditsPanel::ShowRow(int i)
{
    if (!EditCtrl || i < 0 || i >= RowCount() || i >= EditCtrl->request.varList.Count())
        return;
    EditCtrl->request.varList.Item(i).access &= ~VnAccess::Hidden;
    const _EditRow_s& row = Rows[static_cast<std::size_t>(i)];
    row.InputCtrl->show();
    row.CheckBox->show();
    row.Label->show();
}

void TEditsPanel::ClearRow(int i)
{
    if (i < 0 || i >= RowCount())
        return;
    const _EditRow_s& row = Rows[static_cast<std::size_t>(i)];
    if (auto* edit = qobject_cast<QLineEdit*>(row.InputCtrl))
        edit->clear();
    else if (auto* combo = qobject_cast<QComboBox*>(row.InputCtrl))
        combo->setCurrentIndex(-1);
    if (EditCtrl && i < EditCtrl->request.varList.Count())
        EditCtrl->request.varList.Item(i).value.clear();
}

void TEditsPanel::ClearRows()
{
    if (!EditCtrl)
        return;
    for (int i = 0; i < EditCtrl->request.varList.Count(); ++i)
        ClearRow(i);
}

bool TEditsPanel::IsReadOnlyRow(int i) const
{
    if (!EditCtrl || i < 0 || i >= EditCtrl->request.varList.Count())
        return true;
    return !EditCtrl->request.varList.IsWritable(i);
}

bool TEditsPanel::IsKeyRow(int i) const
{
    return EditCtrl && i >= 0 && static_cast<unsigned>(i) < EditCtrl->request.varList.keyCount;
}

bool TEditsPanel::IsRowEmpty(int i) const
{
    if (i < 0 || i >= RowCount())
        return true;
    const QWidget* input = Rows[static_cast<std::size_t>(i)].InputCtrl;
    if (auto* edit = qobject_cast<const QLineEdit*>(input))
        return edit->text().isEmpty();
    if (auto* combo = qobject_cast<const QComboBox*>(input))
        return combo->currentText().isEmpty();
    if (auto* label = qobject_cast<const QLabel*>(input))
        return label->text().isEmpty();
    return true;
}

bool TEditsPanel::IsAllFixed() const
{
    for (int i = 0; i < RowCount(); ++i) {
        if (!IsReadOnlyRow(i) && !IsKeyRow(i))
            return false;
    }
    return true;
}

int TEditsPanel::EnabledBoxCount() const
{
    return static_cast<int>(std::count_if(Rows.begin(), Rows.end(), [](const _EditRow_s& row) {
        return VnIsShown(row.CheckBox) && VnIsEnabled(row.CheckBox);
    }));
}

int TEditsPanel::CheckedBoxCount() const
{
    return static_cast<int>(std::count_if(Rows.begin(), Rows.end(), [](const _EditRow_s& row) {
        return VnIsShown(row.CheckBox) && row.CheckBox->isChecked();
    }));
}

int TEditsPanel::MaxLabelWidth() const
{
    int widest = 0;
    for (const _EditRow_s& row : Rows)
        widest = std::max(widest, row.Label->width());
    return widest;
}

int TEditsPanel::InputWidth() const
{
    // A chosen width stays for typed text and the longest a format
    // admits, but never cuts an option label or a value read.
    return widthChosen_ ? std::max(EditWidth, shownWidth_) : std::max(EditWidth, fitWidth_);
}

int TEditsPanel::NeededInputWidth(const _EditRow_s& row) const
{
    if (auto* combo = qobject_cast<const QComboBox*>(row.InputCtrl))
        return combo->sizeHint().width();
    auto* edit = qobject_cast<QLineEdit*>(row.InputCtrl);
    if (!edit)
        return 0;
    int width = VnLineEditWidth(*edit, edit->text());
    if (EditCtrl) {
        if (const _EditConstraint_s* record = EditCtrl->Constraints().Find(edit))
            width = std::max(width, VnLineEditWidth(*edit, LongestAdmitted(*record)));
    }
    return width;
}

bool TEditsPanel::FitInputs()
{
    const int before = InputWidth();
    int widest = 0;
    int widestShown = 0;
    for (const _EditRow_s& row : Rows) {
        const int needed = NeededInputWidth(row);
        widest = std::max(widest, needed);
        if (qobject_cast<const QComboBox*>(row.InputCtrl)) {
            widestShown = std::max(widestShown, needed);
            continue;
        }
        // A text the program put in (a value read), not one being typed.
        const auto* edit = qobject_cast<const QLineEdit*>(row.InputCtrl);
        if (edit && !edit->isModified())
            widestShown = std::max(widestShown, VnLineEditWidth(*edit, edit->text()));
    }
    // Beyond this the form, at its width limit, would cut the inputs.
    const int boxWidth = Rows.empty() ? kBoxWidth : Rows.front().CheckBox->width();
    const int inputLeft = kMargin + boxWidth + kRowGap + MaxLabelWidth() + kRowGap;
    const int room = TSNMPPanel::kMaxWorkWidth - 2 * kMargin - inputLeft;
    fitWidth_ = std::max(fitWidth_, std::min(widest, room));
    shownWidth_ = std::max(shownWidth_, std::min(widestShown, room));
    return InputWidth() != before;
}

void TEditsPanel::FitToTexts()
{
    if (!FitInputs())
        return;
    ArrangeRows(kLayoutRows, true);
    TSNMPPanel* host = VnHostPanel(this);
    if (host && host->ClientControl == this)
        host->GrowToClientControl();
}

void TEditsPanel::ArrangeRows(int /*layout*/, bool resize)
{
    const unsigned hidden = VnAccess::Hidden;
    FitInputs();
    const int inputWidth = InputWidth();
    const int labelWidth = MaxLabelWidth();
    int top = kMargin;
    bool first = true;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < RowCount(); ++i) {
        const _EditRow_s& row = Rows[static_cast<std::size_t>(i)];
        QWidget* input = row.InputCtrl;
        input->resize(inputWidth, input->height());
        if (EditCtrl && i < EditCtrl->request.varList.Count()
            && (EditCtrl->request.varList.Item(i).access & hidden))
            continue;
        if (!first) {
            if (input->height() < kMinInputHeight)
                input->resize(input->width(), kRaisedInputHeight);
            top += input->height() + kRowGap;
        }
        first = false;
        const int boxLeft = kMargin;
        const int labelLeft = boxLeft + row.CheckBox->width() + kRowGap;
        input->move(labelLeft + labelWidth + kRowGap, top);
        row.CheckBox->move(boxLeft, top + (input->height() - row.CheckBox->height()) / 2);
        row.Label->move(labelLeft, top + (input->height() - row.Label->height()) / 2);
        right = std::max(right, input->x() + input->width());
        bottom = std::max(bottom, input->y() + input->height());
    }
    if (QWidget* area = RowArea())
        area->resize(right + kMargin, bottom + kMargin);
    if (resize) {
        designSize_ = QSize(right + 2 * kMargin, bottom + 2 * kMargin);
        this->resize(designSize_);
    }
    updateGeometry();
}

void TEditsPanel::SetEditWidth(int width, int layout)
{
    widthChosen_ = true;
    EditWidth = width;
    ArrangeRows(layout, true);
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* column)
{
    if (!EditCtrl)
        throw VnException("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    for (QWidget* shown : {column->RefreshBtn, column->SetCheckedBtn, column->CheckAllBtn,
                           column->ClearChecksBtn, column->CloseBtn})
        shown->show();
    for (QWidget* hidden : {static_cast<QWidget*>(column->SamplesLabel), static_cast<QWidget*>(column->CountText),
                            static_cast<QWidget*>(column->EditBtn), static_cast<QWidget*>(column->AddBtn),
                            static_cast<QWidget*>(column->DeleteBtn)})
        hidden->hide();
    if (IsAllFixed()) {
        column->SetCheckedBtn->hide();
        column->CheckAllBtn->hide();
        column->ClearChecksBtn->hide();
    } else if (EnabledBoxCount() <= 1) {
        column->CheckAllBtn->hide();
        column->ClearChecksBtn->hide();
        column->SetCheckedBtn->setText("Set");
        column->SetCheckedBtn->setEnabled(true);
        for (const _EditRow_s& row : Rows) {
            if (VnIsShown(row.CheckBox) && VnIsEnabled(row.CheckBox))
                row.CheckBox->setChecked(true);
        }
        // One row to send: its box says nothing the button does not.
        if (CheckedBoxCount() <= 1) {
            for (const _EditRow_s& row : Rows)
                row.CheckBox->hide();
        }
    }
    column->ArrangeButtons();
}

void TEditsPanel::CheckBoxClick()
{
    if (TSNMPPanel* host = VnHostPanel(this))
        host->CtrlBtnPanel->SetCheckedBtn->setEnabled(CheckedBoxCount() > 0);
}

QSize TEditsPanel::sizeHint() const
{
    return designSize_.isValid() ? designSize_ : size();
}

QSize TEditsPanel::minimumSizeHint() const
{
    return {0, 0};
}
