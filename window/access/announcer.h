#pragma once

#include <QWidget>

class QLabel;

namespace corvale {

// Tells a screen reader something once, without moving the keyboard focus:
// a notification holding a label, shown anew with each message, in a status
// bar of its own that it makes in `parent`, so that every message is heard
// as its words alone. (Qt 6.4 has no announcement event, and its bridge
// drops alerts and the texts of name and description changes.) Every
// message the window speaks takes this one road.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent = nullptr);

  void Say(const QString& text);
  // How many times it has spoken, and what it said last.
  int Spoken() const { return spoken_; }
  QString Said() const;

 private:
  QLabel* label_;
  int spoken_ = 0;
};

}  // namespace corvale
