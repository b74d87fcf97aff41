#include "TAboutForm.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "VnPanelPictures.h"

TAboutForm* AboutForm = nullptr;

namespace {

constexpr const char kFullVersionText[] = "Release Version 4.30.R09 (Build Mar,7,200)";

QLabel* IconLabel(QWidget* parent, const char* name, const QPixmap& icon)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(32, 32);
    label->setPixmap(icon);
    return label;
}

} // namespace

TAboutForm::TAboutForm(QWidget* owner) : QDialog(owner)
{
    setObjectName("AboutForm");
    const QPixmap icon = VnPanelPicture("AboutIcon.jpg");
    SRImage = IconLabel(this, "SRImage", icon);
    SRiImage = IconLabel(this, "SRiImage", icon);
    ManagementModuleLabel = new QLabel(this);
    ManagementModuleLabel->setObjectName("ManagementModuleLabel");
    QFont bold = ManagementModuleLabel->font();
    bold.setBold(true);
    ManagementModuleLabel->setFont(bold);
    VersionLabel = new QLabel(this);
    VersionLabel->setObjectName("VersionLabel");
    CopyrightLabel = new QLabel("Device management for the RQ stackable switch family.", this);
    CopyrightLabel->setObjectName("CopyrightLabel");
    BT_Ok = new QPushButton("OK", this);
    BT_Ok->setObjectName("BT_Ok");
    BT_Ok->setDefault(true);
    BT_Ok->installEventFilter(this);
    connect(BT_Ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(14);
    grid->addWidget(SRImage, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(SRiImage, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(ManagementModuleLabel, 0, 1);
    grid->addWidget(VersionLabel, 1, 1);
    grid->addWidget(CopyrightLabel, 2, 1);
    grid->addWidget(BT_Ok, 3, 0, 1, 2, Qt::AlignHCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    FormActivate();
}

TAboutForm::~TAboutForm()
{
    if (AboutForm == this)
        AboutForm = nullptr;
}

void TAboutForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    AboutForm = this;
    FormActivate();
}

void TAboutForm::FormActivate()
{
    SRImage->setVisible(true);
    SRiImage->setVisible(false);
    ManagementModuleLabel->setText("Varonet RQ-4024S Management Module");
    setWindowTitle("About RQ-4024S Module");
    VersionLabel->setText("Release Version 4.30 (Build Mar,7,2006)");
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == BT_Ok && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers wanted = Qt::ShiftModifier | Qt::AltModifier;
        if (key->key() == Qt::Key_F3 && (key->modifiers() & wanted) == wanted)
            VersionLabel->setText(kFullVersionText);
    }
    return QDialog::eventFilter(watched, event);
}
