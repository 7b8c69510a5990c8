#include <QLabel>
#include <QPainter>

#include "labbook/lab_book.h"
#include "tests/window/chart/chart_fixture.h"
#include "tests/window/chart/chart_menu_fixture.h"
#include "window/access/announcer.h"

namespace corvale {
namespace {

TEST_F(ChartMenu, CopiesTheChartAsPngAndSvgDrawnAsTheScreenShowsIt) {
  Compute(".5");
  Compute("1");
  // Drawn by the screen's code, less what only the window explains: the rows the table shows,
  // where the figures left out are, and the cursor with its readout.
  QImage picture(chart->size(), QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  chart->Draw(painter, chart->size(), true);
  painter.end();
  chart->setFocus();
  QTest::keyClick(chart, Qt::Key_Home);
  QTest::keyClick(chart, Qt::Key_Right);
  QGuiApplication::clipboard()->clear();
  Action("copy-chart")->trigger();
  const QMimeData* data = Clipboard();
  ASSERT_TRUE(data->hasFormat("image/png") && data->hasFormat("image/svg+xml"));
  const QImage png = QImage::fromData(data->data("image/png"), "PNG");
  EXPECT_EQ(png, picture.convertToFormat(png.format()));
  const QString svg = QString::fromUtf8(data->data("image/svg+xml"));
  QString screen;
  for (const ChartReport::Text& text : chart->Report().texts) screen += text.text;
  for (const char* only : {"Rows shown in the table", "tooltip"}) {
    EXPECT_TRUE(screen.contains(only)) << only;
    EXPECT_FALSE(svg.contains(only)) << only;
  }
  EXPECT_TRUE(svg.contains(
      QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(chart->width()).arg(chart->height())));
  EXPECT_TRUE(svg.contains("PV, Kp 1")) << "the legend, as text";
  EXPECT_TRUE(svg.contains("<title>Step response</title>"));
  QGuiApplication::clipboard()->clear();
  chart->setFocus();
  QTest::keySequence(chart, QKeySequence::Copy);
  EXPECT_TRUE(Clipboard()->hasFormat("image/png") && Clipboard()->hasFormat("image/svg+xml"));
}

// Copy figures and Play wait for a run, the value axis over every run and Forget for a run
// kept. The band of the rows the table shows can go, its legend entry with it, and come back.
// The value axis over every run: after SP 300, a run at SP 5 on an axis to about 300, or on its
// own, to 10 at most, with the run at SP 300 cut. Forget keeps the current run.
TEST_F(ChartMenu, EachChoiceWaitsForWhatItActsOn) {
  for (const char* name : {"copy-figures", "play"}) EXPECT_FALSE(Action(name)->isEnabled()) << name;
  Compute(".5");
  for (const char* name : {"forget-runs", "axis-all-runs"})
    EXPECT_FALSE(Action(name)->isEnabled() || Action(name)->isChecked()) << name;
  Action("copy-figures")->trigger();
  EXPECT_EQ(Clipboard()->text(), chart->toolTip());
  EXPECT_TRUE(Clipboard()->text().startsWith("Step response from step 1 to step 30"));
  const auto legend = [this] {
    return corvale::Find(chart->Report(), ChartReport::Part::kLegend, "Rows shown in the table");
  };
  ASSERT_TRUE(legend() && Action("visible-rows")->isChecked());
  Action("visible-rows")->trigger();
  EXPECT_FALSE(legend() || Action("visible-rows")->isChecked());
  Action("visible-rows")->trigger();
  EXPECT_TRUE(legend());
  Press("Command1", {{"guiSP", "300"}});
  Press("Command1", {{"guiSP", "5"}});
  const auto top = [this] { return chart->Report().values.Scale().ticks.back(); };
  EXPECT_LE(top(), 10);
  Action("axis-all-runs")->trigger();
  EXPECT_TRUE(Action("axis-all-runs")->isChecked() && top() >= 300);
  Action("axis-all-runs")->trigger();
  EXPECT_LE(top(), 10);
  const auto cut = [this] {
    return corvale::Find(chart->Report(), ChartReport::Part::kLegend, "SP 300");
  };
  ASSERT_TRUE(window->Book().Kept().size() == 2u && cut());
  Action("forget-runs")->trigger();
  EXPECT_TRUE(window->Book().Kept().empty() && !cut());  // the legend forgot it
  EXPECT_EQ(window->Book().Current().Size(), 30u);
}

// Without a sound server (the tests have none), Play says so once, at once, and the window goes on.
TEST_F(ChartMenu, PlaySaysOnceThatThereIsNoSoundOutput) {
  Compute(".5");
  QAction* tones = Action("step-tones");
  EXPECT_TRUE(tones->isChecked());
  tones->trigger();
  EXPECT_FALSE(chart->StepTones());
  Action("play")->trigger();
  const auto* announcer = chart->findChild<Announcer*>();
  ASSERT_TRUE(announcer);
  QTRY_COMPARE_WITH_TIMEOUT(announcer->Spoken(), 1, 5000);
  EXPECT_EQ(announcer->findChild<QLabel*>()->text(), "There is no sound output.");
  chart->setFocus();
  QTest::keyClick(chart, Qt::Key_Right);  // no tone, no word
  QTest::qWait(200);
  EXPECT_EQ(announcer->Spoken(), 1);
  EXPECT_GE(chart->Cursor(), 0);
}

// From the keyboard it opens on its first item, as Down puts it there, so that a screen reader
// says it at once (Orca heard it so); under the mouse, on none.
TEST_F(ChartMenu, OpensFromTheMouseAndTheKeyboard) {
  Compute(".5");
  chart->setFocus();
  const auto opened = [] {
    QWidget* popup = QApplication::activePopupWidget();
    auto* menu = qobject_cast<QMenu*>(popup);
    const QString item = !menu || !popup->findChild<QAction*>("copy-chart") ? "no menu"
                         : menu->activeAction() ? menu->activeAction()->objectName()
                                                : QString();
    if (popup) popup->close();
    QCoreApplication::processEvents();
    return item;
  };
  QTest::keyClick(chart, Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_EQ(opened(), "copy-chart") << "Shift+F10";
  QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), chart->mapToGlobal(QPoint()));
  QCoreApplication::sendEvent(chart, &key);
  EXPECT_EQ(opened(), "copy-chart") << "the Menu key";
  QContextMenuEvent mouse(QContextMenuEvent::Mouse, chart->rect().center(),
                          chart->mapToGlobal(chart->rect().center()));
  QCoreApplication::sendEvent(chart, &mouse);
  EXPECT_EQ(opened(), "") << "a right click";
}

}  // namespace
}  // namespace corvale
