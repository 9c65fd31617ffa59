#pragma once

#include "model/Menus.h"

#include <QAction>
#include <QMenuBar>
#include <functional>
#include <vector>

namespace tallowmere::gui {

// The model's menu tree in a menu bar: captions, visibility, enabled state
// and check marks. A click on an item reports the item; the menus and
// submenus only open.
class MenuBarView {
  public:
    MenuBarView(QMenuBar& bar, const Menus& menus, std::function<void(MenuItemOf)> clicked);

    void render(const Menus& menus);

  private:
    std::vector<std::pair<MenuItemOf, QAction*>> actions_;
};

} // namespace tallowmere::gui
