#include "VnMainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <string>
#include <vector>

#include "TMainForm.h"
#include "VnCommandKinds.h"
#include "VnMenuTree.h"

namespace {

bool HasChildren(std::span<const VnMenuItem> items, std::size_t i)
{
    return i + 1 < items.size() && items[i + 1].depth > items[i].depth;
}

void SetUpAction(TMainForm& mainForm, QAction* action, const VnMenuItem& item)
{
    action->setObjectName(QString::fromLatin1(item.name));
    action->setVisible(item.visible);
    const std::string command = VnCommandName(item);
    if (command.empty())
        return;
    action->setEnabled(VnCommandAvailable(command));
    QObject::connect(action, &QAction::triggered, &mainForm,
                     [&mainForm, command] { VnExecuteCommand(mainForm, command); });
}

QMenu* AddSubmenu(QMenu* parent, QMenuBar* bar, const VnMenuItem& item)
{
    const QString caption = QString::fromLatin1(item.caption);
    QMenu* menu = parent ? parent->addMenu(caption) : bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(item.name));
    return menu;
}

void FillMenuBar(TMainForm& mainForm, QMenuBar* bar)
{
    const std::span<const VnMenuItem> items = VnMainMenuItems();
    std::vector<QMenu*> open;  // the submenu of each depth above the current item
    for (std::size_t i = 0; i < items.size(); ++i) {
        const VnMenuItem& item = items[i];
        open.resize(item.depth);
        QMenu* parent = open.empty() ? nullptr : open.back();
        QAction* action = nullptr;
        if (HasChildren(items, i)) {
            QMenu* menu = AddSubmenu(parent, bar, item);
            action = menu->menuAction();
            open.push_back(menu);
        } else if (VnIsSeparator(item)) {
            action = parent ? parent->addSeparator() : bar->addSeparator();
        } else {
            action = parent ? parent->addAction(QString::fromLatin1(item.caption))
                            : bar->addAction(QString::fromLatin1(item.caption));
        }
        SetUpAction(mainForm, action, item);
    }
}

}  // namespace

void VnInstallMainMenu(TMainForm& mainForm)
{
    if (!mainForm.MainMenu1) {
        mainForm.MainMenu1 = new QMenuBar(&mainForm);
        mainForm.setMenuBar(mainForm.MainMenu1);
    }
    mainForm.MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    FillMenuBar(mainForm, mainForm.MainMenu1);

    if (!mainForm.PortInfoPopupMenu)
        mainForm.PortInfoPopupMenu = new QMenu(&mainForm);
    QMenu* popup = mainForm.PortInfoPopupMenu;
    popup->setObjectName(QStringLiteral("PortInfoPopupMenu"));
    for (const VnMenuItem& item : VnPortPopupItems())
        SetUpAction(mainForm, popup->addAction(QString::fromLatin1(item.caption)), item);
}

QAction* VnMenuAction(const TMainForm& mainForm, const char* name)
{
    return mainForm.findChild<QAction*>(QString::fromLatin1(name));
}
