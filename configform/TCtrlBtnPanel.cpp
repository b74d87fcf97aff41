#include "TCtrlBtnPanel.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QVariant>

#include "VnButtonGlyphs.h"

namespace {

constexpr const char* kTagProperty = "vnTag";

// A button shows its glyph instead of its caption when the current
// directory holds the glyph's bitmap. An unreadable file ends the step: the
// buttons after it keep their captions.
void LoadGlyphs(const std::vector<QPushButton*>& buttons)
{
    const QString folder = QDir::currentPath();
    for (std::size_t k = 0; k < buttons.size() && k < kVnButtonGlyphs.size(); ++k) {
        const QString path = folder + "/" + kVnButtonGlyphs[k].file;
        if (!QFileInfo::exists(path))
            continue;
        const QPixmap glyph = VnLoadGlyph(path);
        if (glyph.isNull())
            return;
        buttons[k]->setToolTip(buttons[k]->text());
        buttons[k]->setText(QString());
        buttons[k]->setIcon(QIcon(glyph));
    }
}

}  // namespace

int VnButtonTag(const QWidget* button)
{
    return button ? button->property(kTagProperty).toInt() : 0;
}

void VnSetButtonTag(QWidget* button, int tag)
{
    if (button)
        button->setProperty(kTagProperty, tag);
}

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* owner) : QFrame(owner)
{
    CountText = new QLabel("0", this);
    SamplesLabel = new QLabel("Samples", this);
    StackedControls = {CountText, SamplesLabel};

    auto makeButton = [this](const char* caption) {
        auto* button = new QPushButton(caption, this);
        button->setAutoDefault(false);
        StackedControls.push_back(button);
        return button;
    };
    RefreshBtn = makeButton("Refresh");
    EditBtn = makeButton(kEditCaption);
    SetCheckedBtn = makeButton("Set Checked");
    AddBtn = makeButton("Add");
    DeleteBtn = makeButton("Delete");
    CheckAllBtn = makeButton("Check All");
    ClearChecksBtn = makeButton("Clear Checks");
    CloseBtn = makeButton("Close");
    for (QWidget* control : StackedControls) {
        if (qobject_cast<QPushButton*>(control))
            control->resize(kButtonWidth, kButtonHeight);
    }

    for (QLabel* label : {SamplesLabel, CountText})
        label->setAlignment(Qt::AlignCenter);
    SamplesLabel->resize(RefreshBtn->width(), SamplesLabel->sizeHint().height());
    CountText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    CountText->resize(RefreshBtn->width(), CountText->sizeHint().height() + 2);

    LoadGlyphs({RefreshBtn, EditBtn, SetCheckedBtn, AddBtn, DeleteBtn, CheckAllBtn, ClearChecksBtn, CloseBtn});

    AddBtn->hide();
    DeleteBtn->hide();
    ArrangeButtons();
    resize(2 * LeftMargin + RefreshBtn->width(), height());
}

void TCtrlBtnPanel::ArrangeButtons()
{
    int y = TopMargin;
    int bottom = 0;
    for (QWidget* control : StackedControls) {
        control->setGeometry(LeftMargin, y, kButtonWidth, control->height());
        if (control->isHidden())
            continue;
        y = control->y() + control->height() + kGap;
        bottom = control->y() + control->height();
    }
    neededHeight_ = bottom + TopMargin;
    updateGeometry();
}

int TCtrlBtnPanel::NeededHeight() const
{
    return neededHeight_;
}

QSize TCtrlBtnPanel::sizeHint() const
{
    return {2 * LeftMargin + kButtonWidth, neededHeight_};
}

QSize TCtrlBtnPanel::minimumSizeHint() const
{
    return {2 * LeftMargin + kButtonWidth, 0};
}
