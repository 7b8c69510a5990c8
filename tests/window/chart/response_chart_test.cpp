#include <QAccessible>
#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>

#include "tests/window/chart/chart_fixture.h"
#include "window/access/announcer.h"
#include "window/words/response_text.h"

namespace corvale {
namespace {

using ChartMarks = ChartFixture;

const std::string kRise =
    "rise from here (past 10\u00a0% of the change), rise to here (past 90\u00a0% of the change), "
    "peak";

// A language may join a step's values and its marks otherwise.
class Joiner : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char* = nullptr,
                    int = -1) const override {
    if (QLatin1String(context) != "corvale::ResponseChart") return {};
    const QLatin1String text(source);
    return text == "%1; %2" ? "%1 — %2" : text == "%1, %2" ? "%1 + %2" : QString();
  }
};

class ChartKeys : public ChartFixture {
 protected:
  // Afresh, the runs made, on the series `down` below PV (the cursor on step 1 once Down
  // moved it; Up on PV, the first, says so and moves nothing).
  void Start(const std::vector<std::vector<std::string>>& runs, int down = 0) {
    Afresh(runs, {420, 190}, true);
    for (int up = 0; up < 6; ++up) QTest::keyClick(&chart, Qt::Key_Up);
    for (int i = 0; i < down; ++i) QTest::keyClick(&chart, Qt::Key_Down);
  }
  int Spoken() const {
    const Announcer* announcer = chart.findChild<Announcer*>();
    return announcer ? announcer->Spoken() : 0;
  }
  // What each key says: the step it moved to, or "» " and what the chart told, the focus
  // staying; "…" stands for the rest of the row.
  void Walk(const std::vector<std::pair<QKeyCombination, std::string>>& keys) {
    for (const auto& [key, said] : keys) {
      const int before = Spoken();
      QTest::keyClick(&chart, key.key(), key.keyboardModifiers());
      const QAccessibleInterface* told =
          QAccessible::queryAccessibleInterface(chart.findChild<Announcer*>());
      const QString heard = Spoken() > before ? "» " + told->child(0)->text(QAccessible::Name)
                                              : chart.RowDescription(chart.Cursor());
      const QStringList ends = QString::fromStdString(said).split(u'…');
      EXPECT_TRUE(ends.size() == 1 ? heard == ends[0]
                                   : heard.startsWith(ends[0]) && heard.endsWith(ends[1]))
          << heard.toStdString() << " for " << said;
    }
  }
};

// N and Shift+N stop at the marks, C and Shift+C at the crossings, Up and Down choose the
// series, the numbers as the table writes them. Kp 1: rise and peak at step 2, settled from
// step 7. Kp 100 swings X between its limits: 255 at step 2, 0 at step 3, PV 127.5 then 0.
TEST_F(ChartKeys, WalkTheMarksTheCrossingsAndTheSeries) {
  const std::string limits =
      "Step 3: PV .0000, SP 5, X .0000; X leaves its limit 255, X reaches "
      "its limit 0, PV crosses SP";
  const auto shift = [](Qt::Key key) { return Qt::ShiftModifier | key; };
  Start({{"1 0 0 5 30"}});
  Joiner joiner;
  QCoreApplication::installTranslator(&joiner);
  EXPECT_EQ(chart.RowDescription(1),
            "Step 2: PV 2.5000, SP 5, X 5.0000 — rise from here (past "
            "10\u00a0% of the change) + rise to here (past 90\u00a0% of the change) + peak");
  QCoreApplication::removeTranslator(&joiner);
  // clang-format off
  Walk({{Qt::Key_N, "Step 2: PV 2.5000, SP 5, X 5.0000; " + kRise},
        {Qt::Key_N, "Step 7: PV 1.6406, SP 5, X 3.2813; settled from here"},
        {Qt::Key_N, "» No mark after this step."}, {Qt::Key_Down, "» Step 7: X 3.2813"},
        {Qt::Key_C, "» Crossings of SP are marked on PV."}, {Qt::Key_Down, "» Step 7: Error "
        "3.3594"}, {shift(Qt::Key_N), "» No marks on Error."}, {Qt::Key_Up, "» Step 7: X 3.2813"},
        {Qt::Key_Up, "» Step 7: PV 1.6406, SP 5, X 3.2813; settled from here"},
        {Qt::Key_Up, "» No series before PV."}});
  Start({{"100 0 0 5 4"}});
  Walk({{Qt::Key_N, "Step 2: PV 127.5000, SP 5, X 255.0000; X reaches its limit 255, PV crosses "
        "SP"}, {Qt::Key_N, limits}, {Qt::Key_Down, "» Step 3: X .0000; X leaves its limit 255, "
        "X reaches its limit 0"}, {Qt::Key_Down, "» Step 3: Error 5.0000"}});
  Start({{"100 0 0 200 4"}});
  Walk({{Qt::Key_End, "Step 4: PV 127.5000, SP 200, X 255.0000; X at its limit 255"}});
  // The README's first run: PV 3.75 at step 2, 4.2068 at 13, 5.2424 at 14, 4.4086 at 15, and
  // so around SP at every step from 8; N leaves the crossings to C.
  Start({{".5 .5 .5 5 100"}});
  Walk({{Qt::Key_N, "Step 2: …; rise from here (past 10\u00a0% of the change)"},
        {Qt::Key_N, "Step 6: …; rise to here (past 90\u00a0% of the change)"},
        {Qt::Key_N, "Step 14: …; peak, PV crosses SP"}, {shift(Qt::Key_C), "Step 13: …; PV "
        "crosses SP"}, {Qt::Key_C, "Step 14: …; peak, PV crosses SP"}, {Qt::Key_C, "Step 15: …X "
        "8.8172; PV crosses SP"}, {Qt::Key_N, "Step 28: …; settled from here, PV crosses SP"}});
  // clang-format on
  // Play says the series' own range, and for PV the SP its tone gives first and where it
  // changes: the windup Continue, whose marks on PV and on X stay apart (PV 127.5 from step 2,
  // X at 255 until step 238 and the fall's lowest point at step 277).
  EXPECT_EQ(chart.PlaySentence(), "PV from 0 to 5.2424; SP 5 sounds first, then softly alongside.");
  QTest::keyClick(&chart, Qt::Key_Down);
  EXPECT_EQ(chart.PlaySentence(), "X from 0 to 10.485.");
  Start({{".5 .5 .5 300 100", ".5 .5 .5 5 300", ".5 .5 .5 5 10", ".5 .5 .5 7 10"}});
  EXPECT_EQ(chart.PlaySentence(),
            "PV from 0 to 127.5; SP 300 sounds first, then softly "
            "alongside, changing to 5 at step 101, to 7 at step 411.");
  Start({{".5 .5 .5 300 100", ".5 .5 .5 5 300"}});
  Walk({{Qt::Key_End, "Step 400: …"},
        {Qt::Key_N, "» No mark after this step."},
        {shift(Qt::Key_N), "Step 277: …; lowest point"},
        {Qt::Key_Down, "» Step 277: X 9.9606"},
        {shift(Qt::Key_N), "Step 238: X …; X leaves its limit 255"},
        {shift(Qt::Key_N), "Step 101: X 255.0000; X at its limit 255, SP changes to 5"}});
  // A kept run's series walks that run's marks; past the last, the chart says there is none.
  // The current run, Kp .5 (PV 0, 1.25, .9375, 1.015625), settles from step 4. Home on the
  // first step moves nothing, and so is told: the focus stays.
  Start({{"1 0 0 5 30"}, {".5 0 0 5 40"}}, 6);
  const std::string figures =
      ResponseText(*history.Kept()[0].summary.figures, chart.locale()).toStdString();
  // clang-format off
  Walk({{Qt::Key_N, "Step 2: PV of run 1 2.5000; " + kRise}, {Qt::Key_N, "Step 7: PV of run 1 "
        "1.6406; settled from here"}, {Qt::Key_N, "» No mark after this step."},
        {Qt::Key_C, "» PV does not cross SP."}, {Qt::Key_F, "» PV of run 1 (Kp 1): "
        + figures}, {Qt::Key_End, "Step 40: PV of run 1 has no value here"},
        {Qt::Key_Home, "Step 1: PV of run 1 .0000"}, {shift(Qt::Key_N), "» No mark before this "
        "step."}, {Qt::Key_Up, "» Step 1: D .0000"}, {Qt::Key_Up, "» Step 1: I .0000"},
        {Qt::Key_Up, "» Step 1: P 2.5000"}, {Qt::Key_N, "» No marks on P."}, {Qt::Key_End,
        "Step 40: P …"}, {Qt::Key_Home, "Step 1: P 2.5000"}, {Qt::Key_Home, "» Step 1: P 2.5000"}});
  Walk({{Qt::Key_Down, "» Step 1: I .0000"}, {Qt::Key_Down, "» Step 1: D .0000"},
        {Qt::Key_Down, "» Step 1: PV of run 1 .0000"},
        {Qt::Key_Down, "» No series after PV of run 1 (Kp 1)."}, {Qt::Key_Up, "» Step 1: D .0000"},
        {Qt::Key_Up, "» Step 1: I .0000"}, {Qt::Key_Up, "» Step 1: P 2.5000"}});
  // clang-format on
  // T draws the chosen term in a panel of its own, and hides it again; PV has none.
  Walk({{Qt::Key_T, "» P drawn in a panel of its own."}});
  EXPECT_EQ(chart.TermPanels(), std::vector<Term>{Term::P});
  Walk({{Qt::Key_T, "» P's panel hidden."},
        {Qt::Key_Up, "» Step 1: Error 5.0000"},
        {Qt::Key_Up, "» Step 1: X .0000"},
        {Qt::Key_Up, "» Step 1: PV .0000, SP 5, X .0000"},
        {Qt::Key_T, "» Choose Error, P, I or D with Up and Down, then T draws it in a panel."}});
  EXPECT_TRUE(chart.TermPanels().empty());
}

// A kept run chosen stays that run while runs come and go: a fifth Compute
// drops the oldest, and the series chosen goes with it, to PV; one still kept
// keeps its own gains however its place among the kept ones moves.
TEST_F(ChartMarks, AKeptRunChosenStaysThatRunWhenTheOldestGoes) {
  for (const char* kp : {".1", ".2", ".3", ".4", ".5"}) Simulate({std::string(kp) + " 0 0 5 30"});
  Measure();
  for (int down = 0; down < 7; ++down) QTest::keyClick(&chart, Qt::Key_Down);  // run 2's PV
  const RunId second = history.Kept()[1].id;
  ASSERT_EQ(chart.Series(), (SeriesId{SeriesId::Kind::KeptPv, second}));
  EXPECT_TRUE(chart.SeriesName().contains("PV of run 2 (Kp 0.2"));
  Simulate({".6 0 0 5 30"});  // Kp .1 goes: Kp .2 is the oldest now
  Measure();
  EXPECT_EQ(chart.Series(), (SeriesId{SeriesId::Kind::KeptPv, second}));
  EXPECT_TRUE(chart.SeriesName().contains("PV of run 1 (Kp 0.2"));
  for (int more = 0; more < 4; ++more) Simulate({".7 0 0 5 30"});
  Measure();
  EXPECT_EQ(chart.Series(), SeriesId{});  // gone: the current run's PV again
  for (Qt::Key key : {Qt::Key_F, Qt::Key_N, Qt::Key_P}) QTest::keyClick(&chart, key);
}

// A server that takes the connection and never answers: a Play waits for it.
class SilentServer {
 public:
  SilentServer() : old_(getenv("PULSE_SERVER") ? getenv("PULSE_SERVER") : "") {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "/tmp/corvale-silent-%d", getpid());
    path_ = address.sun_path;
    unlink(path_.c_str());
    bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(socket_, 8);
    setenv("PULSE_SERVER", ("unix:" + path_).c_str(), 1);
  }
  // Whether a connection waits to be taken, within a while.
  bool Reached() const {
    pollfd wait{socket_, POLLIN, 0};
    return poll(&wait, 1, 5000) == 1;
  }
  ~SilentServer() {
    setenv("PULSE_SERVER", old_.c_str(), 1);
    close(socket_);
    unlink(path_.c_str());
  }

 private:
  std::string old_, path_;
  int socket_ = socket(AF_UNIX, SOCK_STREAM, 0);
};

// A new run clears the cursor, a Continue carries it on; either, or forgetting the kept runs,
// cancels a Play still waiting for the server. The first step sounds its tone as every other
// does, through the server.
TEST_F(ChartMarks, ChangedRunsMoveTheCursorAndCancelAPlay) {
  const SilentServer server;
  Simulate({".5 .5 .5 5 30"});
  QTest::keyClick(&chart, Qt::Key_Home);
  EXPECT_TRUE(server.Reached());
  chart.Play();
  EXPECT_TRUE(chart.StopSound());
  EXPECT_FALSE(chart.StopSound());  // Escape finds nothing to stop
  // C: Compute, +: Continue, F: Forget; where the cursor, placed at step 14, is after it.
  for (const auto& [command, cursor] :
       {std::pair{'C', -1}, {'+', 13}, {'+', 13}, {'F', 13}, {'C', -1}}) {
    QTest::keyClick(&chart, Qt::Key_Home);
    for (int i = 0; i < 13; ++i) QTest::keyClick(&chart, Qt::Key_Right);
    chart.Play();
    if (command == 'C') Simulate({".5 .5 .5 5 30"});
    if (command == '+') Press("+ .5 .5 .5 5 30"), Measure();
    if (command == 'F') changes += history.ForgetKept(), Show({});
    EXPECT_EQ(chart.Cursor(), cursor) << command;
    EXPECT_FALSE(chart.StopSound()) << command;
  }
}

}  // namespace
}  // namespace corvale
