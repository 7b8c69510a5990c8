#pragma once

#include <QPoint>
#include <QString>

class QAbstractItemView;
class QContextMenuEvent;
class QMenu;

namespace corvale {
class Announcer;
}

namespace corvale {

// Opens a context menu at `global`, deleted once closed, with its first
// enabled item active: a screen reader hears that item and the menu's name
// (`announcer` says it) as it opens, not only at the first Down.
void PopUpSpoken(QMenu* menu, const QString& name, QPoint global, Announcer& announcer);

// Where a view's menu opens: where the mouse was, or by a key (the Menu key,
// Shift+F10, or none: `event` null) at the current cell, else the corner.
QPoint MenuPoint(const QAbstractItemView& view, const QContextMenuEvent* event = nullptr);

}  // namespace corvale
