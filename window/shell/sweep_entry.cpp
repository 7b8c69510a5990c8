#include "window/shell/sweep_entry.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

#include "form/sweep_command.h"
#include "window/access/spoken_menu.h"
#include "window/words/contexts.h"
#include "window/words/sweep_key.h"

namespace corvale {

SweepEntry::SweepEntry(QWidget* window, std::vector<std::pair<Box, QLineEdit*>> boxes,
                       std::function<void(Box)> sweep, Announcer* announcer)
    : QObject(window),
      window_(window),
      boxes_(std::move(boxes)),
      sweep_(std::move(sweep)),
      announcer_(announcer) {
  for (const auto& [box, edit] : boxes_) edit->installEventFilter(this);
  auto* key = new QShortcut(SweepKey(), window, this, [this] {
    Box box = last_;
    for (const auto& [each, edit] : boxes_) {
      if (edit->hasFocus() && Sweepable(each)) box = each;
    }
    Sweep(box);
  });
  key->setContext(Qt::WindowShortcut);
}

void SweepEntry::AddTo(QMenu* menu, Box box) {
  QAction* action = menu->addAction(SweepCaption());
  action->setObjectName(QLatin1String("sweep"));
  connect(action, &QAction::triggered, this, [this, box] { Sweep(box); });
}

void SweepEntry::Sweep(Box box) {
  last_ = box;
  sweep_(box);
}

bool SweepEntry::eventFilter(QObject* watched, QEvent* event) {
  // Shift+F10 is the Menu key's other name; a line edit knows only the key.
  const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
  const bool shiftF10 = key && key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
  if (event->type() != QEvent::ContextMenu && !shiftF10) return false;
  for (const auto& [box, edit] : boxes_) {
    if (edit != watched) continue;
    // The line edit's own menu, and the sweep under it where the box can be swept.
    QMenu* menu = edit->createStandardContextMenu();
    if (Sweepable(box)) {
      menu->addSeparator();
      AddTo(menu, box);
    }
    const QPoint global =
        shiftF10
            ? edit->mapToGlobal(edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().bottomLeft())
            : static_cast<QContextMenuEvent*>(event)->globalPos();
    const QString label = QString::fromUtf8(Describe(box).label.data(),
                                            static_cast<qsizetype>(Describe(box).label.size()));
    PopUpSpoken(menu, SweepWords::tr("%1 menu", "a box's context menu, by its label").arg(label),
                global, *announcer_);
    return true;
  }
  return false;
}

}  // namespace corvale
