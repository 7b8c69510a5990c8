#include "window/access/spoken_menu.h"

#include <QAbstractItemView>
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include "window/access/announcer.h"

namespace corvale {

void PopUpSpoken(QMenu* menu, const QString& name, QPoint global, Announcer& announcer) {
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->setAccessibleName(name);
  menu->popup(global);
  // Once the menu has come up and the window manager has done with it, so
  // that the item is what the reader hears, then the menu's name with it (a
  // reader names no popup menu by itself). An item the user reached first stays.
  QPointer<Announcer> to(&announcer);
  QTimer::singleShot(100, menu, [menu, name, to] {
    if (menu->activeAction()) return;
    for (QAction* action : menu->actions()) {
      if (!action->isEnabled() || action->isSeparator() || !action->isVisible()) continue;
      menu->setActiveAction(action);
      if (to)
        to->Say(name + QLatin1String(": ") + action->text().section(u'\t', 0, 0).remove(u'&'));
      return;
    }
  });
}

QPoint MenuPoint(const QAbstractItemView& view, const QContextMenuEvent* event) {
  if (event && event->reason() != QContextMenuEvent::Keyboard) return event->globalPos();
  const QRect cell = view.visualRect(view.currentIndex());
  return view.viewport()->mapToGlobal(cell.isValid() ? cell.center() : QPoint(0, 0));
}

}  // namespace corvale
