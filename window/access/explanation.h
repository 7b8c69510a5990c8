#pragma once

#include <QString>
#include <QWidget>

namespace corvale {

// What a control is and does, to the mouse and to a screen reader alike.
inline void SetExplanation(QWidget* widget, const QString& text) {
  widget->setToolTip(text);
  widget->setAccessibleDescription(text);
}

}  // namespace corvale
