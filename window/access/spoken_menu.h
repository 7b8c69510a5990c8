#pragma once

#include <QPoint>
#include <QString>

class QMenu;

namespace corvale {
class Announcer;
}

namespace corvale {

// Opens a context menu at `global`, deleted once closed, with its first
// enabled item active: a screen reader hears that item and the menu's name
// (`announcer` says it) as it opens, not only at the first Down.
void PopUpSpoken(QMenu* menu, const QString& name, QPoint global, Announcer& announcer);

}  // namespace corvale
