// Reference images, made once and looked at, for what the other tests leave
// open. CORVALE_WRITE_CHART_REFERENCE=folder writes them afresh there instead.
#include <QDir>
#include <QPainter>
#include <QTest>

#include "tests/window/chart/chart_fixture.h"

namespace corvale {
namespace {

class ChartReference : public ChartFixture {
 protected:
  QImage Drawn(QSize size) {
    chart.resize(size);
    QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&drawn);
    chart.Draw(painter, size);
    painter.end();
    return drawn.convertToFormat(QImage::Format_RGB32);
  }
  // A handful of pixels may differ where an antialiased edge falls a shade otherwise.
  void ExpectLike(const QImage& drawn, const QString& name) {
    const QByteArray folder = qgetenv("CORVALE_WRITE_CHART_REFERENCE");
    if (!folder.isEmpty()) {
      QDir().mkpath(QString::fromLocal8Bit(folder));
      ASSERT_TRUE(drawn.save(QString::fromLocal8Bit(folder) + "/" + name + ".png"));
      return;
    }
    const QImage reference =
        QImage(QStringLiteral(QT_TESTCASE_SOURCEDIR "/window/chart/reference/") + name + ".png")
            .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(reference.size(), drawn.size()) << name.toStdString();
    int differ = 0;
    for (int y = 0; y < drawn.height(); ++y)
      for (int x = 0; x < drawn.width(); ++x) {
        const QColor a = drawn.pixelColor(x, y), b = reference.pixelColor(x, y);
        differ += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                      std::abs(a.blue() - b.blue()) >
                  24;
      }
    EXPECT_LE(differ, 5) << name.toStdString();
  }
};

TEST_F(ChartReference, FirstRunOverThePlotAndThreeRunsInTheBox) {
  QWidget box;
  chart.setParent(&box);
  Simulate({".5 .5 .5 5 100"});
  Measure();
  ExpectLike(Drawn(QSize(425, 190)), "first-run-box");
  Afresh({{".5 0 0 5 30"}, {"1 0 0 5 30"}, {"1.5 0 0 5 30"}}, {530, 250});
  Measure();
  chart.SetVisibleRows(10, 19);
  Drawn(QSize(530, 250));
  QTest::keyClick(&chart, Qt::Key_Home);
  for (int i = 0; i < 3; ++i) QTest::keyClick(&chart, Qt::Key_Right);
  ExpectLike(Drawn(QSize(530, 250)), "three-runs-box");
  chart.setParent(nullptr);
}

TEST_F(ChartReference, WindupBesideTheForm) {
  for (const char* kp : {".5", "1", "1.5", "2"}) Simulate({std::string(kp) + " 0 0 5 30"});
  Simulate({".5 .5 .5 300 100", ".5 .5 .5 5 300"});
  Measure();
  chart.SetVisibleRows(100, 110);
  ExpectLike(Drawn(QSize(800, 600)), "windup-beside");
}

}  // namespace
}  // namespace corvale
