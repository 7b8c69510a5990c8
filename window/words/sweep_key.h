#pragma once

#include <QKeySequence>
#include <QString>

#include "window/words/contexts.h"

namespace corvale {

// The key that asks for a sweep anywhere in the window: Ctrl+Shift+W, which
// neither Qt nor Orca takes.
inline QKeySequence SweepKey() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W); }

// A menu's entry for it, with the key.
inline QString SweepCaption() {
  return SweepWords::tr("Sweep\u2026") + u'\t' + SweepKey().toString(QKeySequence::NativeText);
}

}  // namespace corvale
