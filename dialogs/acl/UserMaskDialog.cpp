#include "UserMaskDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "VnDialogFrame.h"
#include "VnListRows.h"
#include "VnSNMPRequest2Edits.h"

namespace {

const VnMaskButtons kButtons{"GetButton", "OperButton", "Edit", "AddButton", "DeleteButton"};

}  // namespace

TUserMaskDialog::TUserMaskDialog(QWidget* owner, const VnDialogContext& context, const VnMaskVariant& variant)
    : TMaskDialogBase(owner, context, variant, kButtons)
{
    GetButton = RefreshButton();
    OperButton = SetButton();
    AddButton = TMaskDialogBase::AddButton();
    DeleteButton = TMaskDialogBase::DeleteButton();
    Static = VnSunkenText(this, "Static");
    Static->hide();
    VnFieldGrid fields(FieldArea());
    Edit1 = fields.Add<QLineEdit>(0, 0, "Mask Entry ID", "Edit1");
    Edit5 = fields.Add<QLineEdit>(1, 0, "Filtered Port(s) [0 to 15]", "Edit5");
    Edit3 = fields.Add<QLineEdit>(2, 0, "Filtered Port(s) [16 to 31]", "Edit3");
    Edit4 = fields.Add<QLineEdit>(3, 0, "Filtered Port(s) [32 to 47]", "Edit4");
    Edit6 = fields.Add<QLineEdit>(0, 1, "Filtered Port(s) [48 to 63]", "Edit6");
    Edit7 = fields.Add<QLineEdit>(1, 1, "Filtered Port(s) [64 to 79]", "Edit7");
    ComboBox1 = fields.Add<QComboBox>(2, 1, "Mask Row Status", "ComboBox1");
    SetFrameControls(Edit1, ComboBox1);

    using K = VnControlKind;
    Open({{kId, K::Edits, "Edit1", variant.idFormat},
          {kChunk0, K::Edits, "Edit5", "%s{l32f}"},
          {kChunk1, K::Edits, "Edit3", "%s{l32f}"},
          {kChunk2, K::Edits, "Edit4", "%s{l32f}"},
          {kChunk3, K::Edits, "Edit6", "%s{l32f}"},
          {kChunk4, K::Edits, "Edit7", "%s{l32f}"},
          {kRowStatus, K::ComboBox, "ComboBox1"}},
         [this] {
             ClearEdits();
             ComboBox1->setCurrentIndex(kCreateAndGo);
         },
         false, "Static");
}

void TUserMaskDialog::ClearEdits()
{
    Edit1->clear();
    for (QLineEdit* field : ChunkFields())
        field->clear();
}

maskcolumns::Chunks TUserMaskDialog::Chunks() const
{
    maskcolumns::Chunks chunks;
    const std::array<QLineEdit*, 5> fields = ChunkFields();
    for (std::size_t k = 0; k < fields.size(); ++k)
        chunks[k] = Blank(fields[k]) ? std::string() : fields[k]->text().toStdString();
    return chunks;
}

void TUserMaskDialog::AddCommand()
{
    if (!CommandAllowed())
        return;
    if (Refuse(Edit1->text().isEmpty(), kIdMissing, Edit1) ||
        Refuse(VnKeyListed(*Binder, kId, Edit1->text()), kIdTaken, Edit1) ||
        Refuse(ComboBox1->currentIndex() != kCreateAndGo, kNotCreateAndGo, ComboBox1) ||
        Refuse(!Variant().cpu && maskcolumns::TooManyChunks(Chunks()), kTooManyChunks, nullptr))
        return;
    Send(maskcolumns::EmptyChunks(Chunks()), At::TypedId);
}

void TUserMaskDialog::SetCommand()
{
    if (!CommandAllowed())
        return;
    if (Refuse(Edit1->text().isEmpty(), kIdMissing, nullptr))
        return;
    if (!Variant().cpu) {
        if (ComboBox1->currentIndex() == kDestroy) {
            DeleteCommand();
            return;
        }
        if (ComboBox1->currentIndex() == kCreateAndGo) {
            AddCommand();
            return;
        }
        if (Refuse(maskcolumns::TooManyChunks(Chunks()), kTooManyChunks, nullptr))
            return;
    }
    Send(maskcolumns::EmptyChunks(Chunks()), At::SelectedRow);
}
