#include "window/access/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace corvale {
namespace {

QAccessibleInterface* AccessibleAnnouncer(const QString& className, QObject* object) {
  if (className != QLatin1String(Announcer::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent), label_(new QLabel(this)) {
  // Installed once the application exists, so that it is asked before Qt's own.
  static const bool installed = [] {
    QAccessible::installFactory(AccessibleAnnouncer);
    return true;
  }();
  Q_UNUSED(installed);
  setFocusPolicy(Qt::NoFocus);
  // Nothing to see: a screen reader reads it, the window shows the same
  // figures in the chart.
  resize(1, 1);
  label_->resize(1, 1);
}

QString Announcer::Said() const { return label_->text(); }

void Announcer::Say(const QString& text) {
  label_->setText(text);
  ++spoken_;
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace corvale
