#include "VnMessageBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <utility>

namespace {

VnMessageBoxFn& Handler()
{
    static VnMessageBoxFn handler;
    return handler;
}

QString& ModuleName()
{
    static QString name;
    return name;
}

QMessageBox::Icon ToQtIcon(VnMsgIcon icon)
{
    switch (icon) {
    case VnMsgIcon::Information:
        return QMessageBox::Information;
    case VnMsgIcon::Warning:
        return QMessageBox::Warning;
    case VnMsgIcon::Error:
        return QMessageBox::Critical;
    case VnMsgIcon::Question:
        return QMessageBox::Question;
    case VnMsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

VnMsgAnswer ShowQtMessageBox(const VnMessageBoxArgs& args)
{
    QMessageBox box(ToQtIcon(args.icon), args.caption, args.text, QMessageBox::NoButton, args.owner);
    // Message texts hold "<" and line breaks; never let them be read as HTML.
    box.setTextFormat(Qt::PlainText);
    switch (args.buttons) {
    case VnMsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case VnMsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case VnMsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
        return VnMsgAnswer::Ok;
    case QMessageBox::Yes:
        return VnMsgAnswer::Yes;
    case QMessageBox::No:
        return VnMsgAnswer::No;
    case QMessageBox::Cancel:
        return VnMsgAnswer::Cancel;
    default:
        break;
    }
    if (args.buttons == VnMsgButtons::OkCancel)
        return VnMsgAnswer::Cancel;
    return args.buttons == VnMsgButtons::YesNo ? VnMsgAnswer::No : VnMsgAnswer::Ok;
}

} // namespace

VnMessageBoxFn VnSetMessageBoxHandler(VnMessageBoxFn handler)
{
    return std::exchange(Handler(), std::move(handler));
}

VnMsgAnswer VnMessageBox(QWidget* owner, const QString& text, VnMsgButtons buttons, VnMsgIcon icon)
{
    const VnMessageBoxArgs args{owner, text, VnMessageCaption(), buttons, icon};
    // A copy: the handler may put another in its place while it runs.
    const VnMessageBoxFn handler = Handler();
    if (handler)
        return handler(args);
    return ShowQtMessageBox(args);
}

QString VnProgramName()
{
    if (!QCoreApplication::instance())
        return QCoreApplication::applicationName();
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

void VnSetModuleName(const QString& name)
{
    ModuleName() = name;
}

QString VnMessageCaption()
{
    return ModuleName().isEmpty() ? VnProgramName() : ModuleName();
}

VnMessageBoxCapture::VnMessageBoxCapture(VnMsgAnswer answer) : answer_(answer)
{
    previous_ = VnSetMessageBoxHandler([this](const VnMessageBoxArgs& args) {
        shown_.push_back(args);
        if (onShow_)
            onShow_(args);
        return answer_;
    });
}

VnMessageBoxCapture::~VnMessageBoxCapture()
{
    VnSetMessageBoxHandler(std::move(previous_));
}

QStringList VnMessageBoxCapture::Texts() const
{
    QStringList texts;
    for (const auto& args : shown_)
        texts << args.text;
    return texts;
}
