#include "window/access/announcer.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>

namespace corvale {
namespace {

// Each message in a status bar of its own, whatever the announcer's parent:
// a screen reader speaks it as its words alone, every time the same way.
TEST(Announcer, SpeaksEveryMessageFromAStatusBar) {
  QWidget window;
  auto* const inner = new QWidget(&window);
  Announcer* const announcers[] = {new Announcer(&window), new Announcer(inner)};
  window.show();
  for (Announcer* announcer : announcers) {
    for (const char* text : {"Zoom 110\u00A0%.", "Step 1: X .0000."}) announcer->Say(text);
    QAccessibleInterface* said = QAccessible::queryAccessibleInterface(announcer);
    EXPECT_EQ(said->role(), QAccessible::Notification);
    EXPECT_EQ(said->parent()->role(), QAccessible::StatusBar);
    ASSERT_EQ(said->childCount(), 1);
    EXPECT_EQ(said->child(0)->text(QAccessible::Name), "Step 1: X .0000.");
    EXPECT_EQ(announcer->Spoken(), 2);
  }
}

}  // namespace
}  // namespace corvale
