#include "window/shell/sweep_entry.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

#include "form/sweep_command.h"
#include "window/words/sweep_key.h"

namespace corvale {

SweepEntry::SweepEntry(QWidget* window, std::vector<std::pair<Box, QLineEdit*>> boxes,
                       std::function<void(Box)> sweep)
    : QObject(window), window_(window), boxes_(std::move(boxes)), sweep_(std::move(sweep)) {
  for (const auto& [box, edit] : boxes_) {
    if (Sweepable(box)) edit->installEventFilter(this);
  }
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
  if (event->type() != QEvent::ContextMenu) return false;
  for (const auto& [box, edit] : boxes_) {
    if (edit != watched) continue;
    // The line edit's own menu, and the sweep under it.
    QMenu* menu = edit->createStandardContextMenu();
    menu->addSeparator();
    AddTo(menu, box);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  return false;
}

}  // namespace corvale
