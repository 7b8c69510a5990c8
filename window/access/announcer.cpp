#include "window/access/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace corvale {
namespace {

constexpr QLatin1String kBarName("announcer-bar");

QAccessibleInterface* AccessibleAnnouncer(const QString& className, QObject* object) {
  if (className == QLatin1String(Announcer::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
  }
  if (className == QLatin1String("QWidget") && object->objectName() == kBarName) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
  }
  return nullptr;
}

// A notification is heard the same way every time only in a status bar:
// elsewhere Orca says "notification" before it, or not, as the events
// around it fall, while the chart's focus and its messages speak the same
// kind of sentence. In a status bar it is its words alone, and Orca's
// status bar key reads the last message again.
QWidget* StatusBar(QWidget* parent) {
  auto* const bar = new QWidget(parent);
  bar->setObjectName(kBarName);
  bar->resize(1, 1);
  return bar;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(StatusBar(parent)), label_(new QLabel(this)) {
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
