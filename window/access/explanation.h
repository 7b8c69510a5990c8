#pragma once

#include <QString>
#include <QWidget>

namespace corvale {

// What a control is and does, to the mouse and to a screen reader alike.
// Fit for a sentence short enough to be heard at every visit.
inline void SetExplanation(QWidget* widget, const QString& text) {
  widget->setToolTip(text);
  widget->setAccessibleDescription(text);
}

// In full for the tooltip (and F1, which reads it), in a few words for the
// description a screen reader speaks each time the control takes the focus.
inline void SetExplanation(QWidget* widget, const QString& full, const QString& brief) {
  widget->setToolTip(full);
  widget->setAccessibleDescription(brief);
}

}  // namespace corvale
