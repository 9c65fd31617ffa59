#include "gui/MenuBarView.h"

#include "gui/DisplayText.h"
#include "gui/MenuTips.h"

#include <QMenu>
#include <vector>

namespace tallowmere::gui {
namespace {

bool opensASubmenu(MenuItemOf item) {
    for (const auto& node : menuTree())
        if (node.parent == item)
            return true;
    return false;
}

// What the tree has built so far for each menu: its widget and the mnemonic
// letters its items took.
struct OpenMenu {
    MenuItemOf item;
    QMenu* menu;
    QString taken;
};

// A menu opens with the letters its items keep already taken.
OpenMenu& openMenu(std::vector<OpenMenu>& menus, MenuItemOf item, const Menus& captions) {
    for (auto& menu : menus)
        if (menu.item == item)
            return menu;
    QString kept;
    for (const auto& node : menuTree())
        if (node.parent == item && !keptMnemonic((captions.*node.item).name).isNull())
            kept += keptMnemonic((captions.*node.item).name);
    return menus.emplace_back(OpenMenu{item, nullptr, kept});
}

} // namespace

MenuBarView::MenuBarView(QMenuBar& bar, const Menus& captions,
                         std::function<void(MenuItemOf)> clicked) {
    std::vector<OpenMenu> menus;
    menus.reserve(menuTree().size() + 1);
    for (const auto& node : menuTree()) {
        const MenuItem& item = captions.*node.item;
        OpenMenu& parent = openMenu(menus, node.parent, captions);
        parent.taken.remove(keptMnemonic(item.name));
        const QString text = withMnemonic(item.caption, parent.taken);
        QAction* action = nullptr;
        if (opensASubmenu(node.item)) {
            QMenu* menu = parent.menu ? parent.menu->addMenu(text) : bar.addMenu(text);
            menu->setToolTipsVisible(true);
            openMenu(menus, node.item, captions).menu = menu;
            action = menu->menuAction();
        } else {
            action = parent.menu->addAction(text);
            action->setShortcut(menuShortcut(item.name));
            QObject::connect(action, &QAction::triggered, &bar,
                             [clicked, item = node.item] { clicked(item); });
        }
        action->setObjectName(QString::fromStdString(item.name));
        action->setToolTip(menuTip(item.name));
        actions_.emplace_back(node.item, action);
    }
}

void MenuBarView::render(const Menus& menus) {
    for (auto& [item, action] : actions_) {
        const MenuItem& state = menus.*item;
        action->setVisible(state.visible);
        action->setEnabled(state.enabled);
        action->setCheckable(state.checked);
        action->setChecked(state.checked);
    }
}

} // namespace tallowmere::gui
