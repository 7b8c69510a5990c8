#include <QLabel>
#include <QPainter>

#include "labbook/lab_book.h"
#include "tests/window/window_fixture.h"
#include "window/access/announcer.h"

namespace corvale {
namespace {

class ChartMenu : public Window {
 protected:
  void SetUp() override {
    Window::SetUp();
    chart = Chart();
    window->findChild<QTabBar*>("view-switch")->setCurrentIndex(1);
  }
  void TearDown() override { menu.reset(), Window::TearDown(); }
  void Compute(const char* kp) { Press("Command1", {{"guiKP", kp}, {"Loops", "30"}}); }
  // From a menu opened afresh, as the user would meet it.
  QAction* Action(const char* name) {
    menu.reset(chart->CreateContextMenu());
    return menu->findChild<QAction*>(name);
  }
  const QMimeData* Clipboard() const { return QGuiApplication::clipboard()->mimeData(); }

  ResponseChart* chart = nullptr;
  std::unique_ptr<QMenu> menu;
};

TEST_F(ChartMenu, CopiesTheChartAsPngAndSvgDrawnAsTheScreenShowsIt) {
  Compute(".5");
  Compute("1");
  QGuiApplication::clipboard()->clear();
  Action("copy-chart")->trigger();
  const QMimeData* data = Clipboard();
  ASSERT_TRUE(data->hasFormat("image/png") && data->hasFormat("image/svg+xml"));
  const QImage png = QImage::fromData(data->data("image/png"), "PNG");
  // Drawn by the screen's code, less what only the window explains: the rows the table shows,
  // and where the figures left out are.
  QImage picture(chart->size(), QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  chart->Draw(painter, chart->size(), true);
  painter.end();
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
  EXPECT_TRUE(svg.contains("Kp 0.5, Ki 0.5, Kd 0.5")) << "the legend, as text";
  EXPECT_TRUE(svg.contains("<title>Step response</title>"));
  QGuiApplication::clipboard()->clear();
  chart->setFocus();
  QTest::keySequence(chart, QKeySequence::Copy);
  EXPECT_TRUE(Clipboard()->hasFormat("image/png") && Clipboard()->hasFormat("image/svg+xml"));
}

// Copy figures and Play wait for a run, Forget for a run kept.
TEST_F(ChartMenu, CopiesTheFiguresAndForgetsTheEarlierRuns) {
  for (const char* name : {"copy-figures", "play"}) EXPECT_FALSE(Action(name)->isEnabled()) << name;
  Compute(".5");
  EXPECT_FALSE(Action("forget-runs")->isEnabled());
  Action("copy-figures")->trigger();
  EXPECT_EQ(Clipboard()->text(), chart->toolTip());
  EXPECT_TRUE(Clipboard()->text().startsWith("Step response from step 1 to step 30"));
  Compute("1");
  Compute("1.5");
  ASSERT_EQ(window->Book().Kept().size(), 2u);
  Action("forget-runs")->trigger();
  EXPECT_TRUE(window->Book().Kept().empty());
  EXPECT_EQ(window->Book().Current().Size(), 30u);  // the current run stays
  for (const ChartReport::Text& text : chart->Report().texts)
    EXPECT_FALSE(text.text.startsWith("Kp 0.5")) << "the legend forgot it";
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

TEST_F(ChartMenu, OpensFromTheMouseAndTheKeyboard) {
  Compute(".5");
  chart->setFocus();
  const auto opened = [] {
    QWidget* popup = QApplication::activePopupWidget();
    const bool menu = qobject_cast<QMenu*>(popup) && popup->findChild<QAction*>("copy-chart");
    if (popup) popup->close();
    QCoreApplication::processEvents();
    return menu;
  };
  QTest::keyClick(chart, Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_TRUE(opened()) << "Shift+F10";
  QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), chart->mapToGlobal(QPoint()));
  QCoreApplication::sendEvent(chart, &key);
  EXPECT_TRUE(opened()) << "the Menu key";
  QContextMenuEvent mouse(QContextMenuEvent::Mouse, chart->rect().center(),
                          chart->mapToGlobal(chart->rect().center()));
  QCoreApplication::sendEvent(chart, &mouse);
  EXPECT_TRUE(opened()) << "a right click";
}

TEST_F(ChartMenu, AFocusedChartIsFramedOnEverySide) {
  Compute(".5");
  const QImage before = chart->grab().toImage();
  chart->setFocus();
  const QImage focused = chart->grab().toImage();
  const int w = focused.width(), h = focused.height();
  const auto changed = [&](int x, int y) { return before.pixel(x, y) != focused.pixel(x, y); };
  int edges[4] = {};  // left, right, top, bottom: pixels the frame changed
  for (int y = 0; y < h; ++y) edges[0] += changed(0, y), edges[1] += changed(w - 1, y);
  for (int x = 0; x < w; ++x) edges[2] += changed(x, 0), edges[3] += changed(x, h - 1);
  for (int i = 0; i < 4; ++i) EXPECT_GT(edges[i], (i < 2 ? h : w) / 4) << "edge " << i;
}

// The window's own font times the zoom, not the box's, which the zoom has already made larger.
TEST_F(ChartMenu, TheTextGrowsWithEveryZoomStep) {
  const int base = QFontInfo(window->font()).pixelSize();
  for (const auto& [steps, percent] : {std::pair{-2, 80}, {0, 100}, {1, 110}, {1, 125}, {1, 150}}) {
    window->ZoomBy(steps);
    EXPECT_EQ(chart->TextPixelSize(), qRound(base * percent / 100.0)) << percent;
  }
  window->ZoomBy(0);
  window->showMaximized();
  QCoreApplication::processEvents();
  ASSERT_EQ(chart->parentWidget(), window.get());
  int last = chart->TextPixelSize();
  for (int i = 0; i < 2; ++i) {
    window->ZoomBy(1);
    ASSERT_EQ(chart->parentWidget(), window.get());
    EXPECT_GT(chart->TextPixelSize(), last) << i;
    last = chart->TextPixelSize();
  }
}

}  // namespace
}  // namespace corvale
