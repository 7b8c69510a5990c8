#include <QAccessible>
#include <QTest>
#include <functional>

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

TEST_F(ChartMarks, ANewRunClearsTheCursorAContinueKeepsIt) {
  Render();
  // C: Compute, +: Continue; where the cursor is after it.
  for (const auto& [command, cursor] :
       {std::pair{'C', -1}, {'+', 13}, {'+', 13}, {'C', -1}, {'C', -1}}) {
    if (command == 'C') Simulate({".5 .5 .5 5 30"});
    if (command == '+') Continue(".5 .5 .5 5 30");
    Measure();
    EXPECT_EQ(chart.Cursor(), cursor) << command;
    // Placed at step 14 for the next command.
    QTest::keyClick(&chart, Qt::Key_Home);
    for (int i = 0; i < 13; ++i) QTest::keyClick(&chart, Qt::Key_Right);
    ASSERT_EQ(chart.Cursor(), 13);
    const auto texts = chart.Report().texts;  // and its readout shown
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const ChartReport::Text& text) {
      return text.part == ChartReport::Part::kReadout && text.text.startsWith("Step 14:");
    }));
  }
}

// N and Shift+N stop at the marks, Up and Down choose the series; what the
// cursor says at each, the numbers as the table writes them. Kp 100 swings X
// between its limits: 255 at step 2, 0 at step 3, PV 127.5 then 0.
TEST_F(ChartMarks, KeysWalkTheMarksAndTheSeries) {
  const std::string kLimits =
      "Step 3: PV .0000, SP 5, X .0000; X leaves its limit 255, X reaches its limit 0, PV crosses "
      "SP";
  struct Case {
    std::string run;
    std::vector<std::pair<QKeyCombination, std::string>> keys;
  } const cases[] = {
      {"1 0 0 5 30",
       {{Qt::Key_N, "Step 2: PV 2.5000, SP 5, X 5.0000; " + kRise},
        {Qt::Key_N, "Step 7: PV 1.6406, SP 5, X 3.2813; settled from here"},
        {Qt::Key_N, "Step 7: PV 1.6406, SP 5, X 3.2813; settled from here"},
        {Qt::Key_Down, "Step 7: X 3.2813; settled from here"},
        {Qt::Key_Down, "Step 7: Error 3.3594; settled from here"},
        {Qt::ShiftModifier | Qt::Key_N, "Step 2: Error 2.5000; " + kRise},
        {Qt::Key_Up, "Step 2: X 5.0000; " + kRise}}},
      {"100 0 0 5 4",
       {{Qt::Key_N,
         "Step 2: PV 127.5000, SP 5, X 255.0000; X reaches its limit 255, PV crosses SP"},
        {Qt::Key_N, kLimits},
        {Qt::Key_Up, kLimits}}},
      {"100 0 0 200 4",
       {{Qt::Key_End, "Step 4: PV 127.5000, SP 200, X 255.0000; X at its limit 255"}}},
  };
  for (const Case& c : cases) {
    Forget();
    Simulate({c.run});
    Measure();
    for (int up = 0; up < 6; ++up) QTest::keyClick(&chart, Qt::Key_Up);  // back to PV
    for (const auto& [key, said] : c.keys) {
      QTest::keyClick(&chart, key.key(), key.keyboardModifiers());
      EXPECT_EQ(chart.RowDescription(chart.Cursor()).toStdString(), said) << c.run;
    }
  }
}

// A kept run's series walks that run's marks (Kp 1: rise and peak at step 2,
// settled from step 7); past the last, the chart says there is none. The
// current run, Kp .5 (PV 0, 1.25, .9375, 1.015625), settles from step 4.
TEST_F(ChartMarks, AKeptRunWalksItsOwnMarks) {
  Simulate({"1 0 0 5 30"});
  Simulate({".5 0 0 5 40"});
  Measure();
  for (int down = 0; down < 6; ++down) QTest::keyClick(&chart, Qt::Key_Down);  // run 1's PV
  const std::string figures = ResponseText(*history.Kept()[0].summary.figures,
                                           QLocale(QLocale::English, QLocale::UnitedStates))
                                  .toStdString();
  // clang-format off
  const std::pair<QKeyCombination, std::string> keys[] = {
      {Qt::Key_N, "Step 2: PV of run 1 2.5000; " + kRise}, {Qt::Key_N, "Step 7: PV of run 1 "
       "1.6406; settled from here"}, {Qt::Key_N, "No mark after this step."},
      {Qt::Key_C, "PV does not cross SP."}, {Qt::Key_F, "PV of run 1 (Kp 1, Ki 0, Kd 0): " + figures},
      {Qt::Key_End, "Step 40: PV of run 1 has no value here"}, {Qt::Key_Home, "Step 1: PV of run "
       "1 .0000"}, {Qt::ShiftModifier | Qt::Key_N, "No mark before this step."},
      {Qt::Key_Up, "Step 1: D .0000"}, {Qt::Key_Up, "Step 1: I .0000"},
      {Qt::Key_Up, "Step 1: P 2.5000"}, {Qt::Key_N, "Step 2: P 1.8750; " + kRise},
      {Qt::Key_N, "Step 4: P 1.9922; settled from here"}, {Qt::Key_N, "No mark after this step."}};
  // clang-format on
  const auto told = [this] {
    const Announcer* announcer = chart.findChild<Announcer*>();
    return announcer ? announcer->Spoken() : 0;
  };
  for (const auto& [key, said] : keys) {  // said as the step it moved to, or else told
    const int before = told();
    QTest::keyClick(&chart, key.key(), key.keyboardModifiers());
    EXPECT_EQ(
        (told() > before ? QAccessible::queryAccessibleInterface(chart.findChild<Announcer*>())
                               ->child(0)
                               ->text(QAccessible::Name)
                         : chart.RowDescription(chart.Cursor()))
            .toStdString(),
        said);
  }
  // Home on the first step moves nothing, and so is told: the focus stays.
  QTest::keyClick(&chart, Qt::Key_Home);
  const int before = told();
  QTest::keyClick(&chart, Qt::Key_Home);
  EXPECT_GT(told(), before);
}

// A kept run chosen stays that run while runs come and go: a fifth Compute
// drops the oldest, and the series chosen goes with it, to PV; one still kept
// keeps its own gains however its place among the kept ones moves.
TEST_F(ChartMarks, AKeptRunChosenStaysThatRunWhenTheOldestGoes) {
  for (const char* kp : {".1", ".2", ".3", ".4", ".5"}) Simulate({std::string(kp) + " 0 0 5 30"});
  Measure();
  const auto named = [this] { return chart.RowDescription(chart.Cursor()).toStdString(); };
  for (int down = 0; down < 7; ++down) QTest::keyClick(&chart, Qt::Key_Down);  // run 2's PV
  const RunId second = history.Kept()[1].id;
  ASSERT_EQ(chart.Series(), (SeriesId{SeriesId::Kind::KeptPv, second}));
  EXPECT_TRUE(chart.SeriesName().contains("Kp 0.2")) << chart.SeriesName().toStdString();
  Simulate({".6 0 0 5 30"});  // Kp .1 goes: Kp .2 is the oldest now
  Measure();
  EXPECT_EQ(chart.Series(), (SeriesId{SeriesId::Kind::KeptPv, second}));
  EXPECT_TRUE(chart.SeriesName().contains("PV of run 1 (Kp 0.2")) << named();
  for (int more = 0; more < 4; ++more) Simulate({".7 0 0 5 30"});
  Measure();
  EXPECT_EQ(chart.Series(), SeriesId{});  // gone: the current run's PV again
}

// The README's first run: PV 3.75 at step 2, 4.2068 at 13, 5.2424 at 14, 4.4086 at 15, and
// so around SP at every step from 8; N leaves the crossings to C. What each step says is
// what the chart marks there, and nothing more.
TEST_F(ChartMarks, CrossingsHaveKeysOfTheirOwn) {
  Simulate({".5 .5 .5 5 100"});
  Measure();
  // clang-format off
  const std::pair<QKeyCombination, std::pair<int, const char*>> keys[] = {
      {Qt::Key_N, {2, "; rise from here (past 10\u00a0% of the change)"}},
      {Qt::Key_N, {6, "; rise to here (past 90\u00a0% of the change)"}},
      {Qt::Key_N, {14, "; peak, PV crosses SP"}},
      {Qt::ShiftModifier | Qt::Key_C, {13, "; PV crosses SP"}}, {Qt::Key_C, {14, "; peak, PV "
       "crosses SP"}}, {Qt::Key_C, {15, "X 8.8172; PV crosses SP"}},
      {Qt::Key_N, {28, "; settled from here, PV crosses SP"}}};
  // clang-format on
  for (const auto& [key, said] : keys) {
    QTest::keyClick(&chart, key.key(), key.keyboardModifiers());
    EXPECT_EQ(chart.Cursor() + 1, said.first);
    EXPECT_TRUE(chart.RowDescription(chart.Cursor()).endsWith(said.second))
        << chart.RowDescription(chart.Cursor()).toStdString();
  }
  // Play says the series' own range, and for PV the SP its tone gives first.
  EXPECT_EQ(chart.PlaySentence(), "PV from 0 to 5.2424; SP 5 sounds first.");
  QTest::keyClick(&chart, Qt::Key_Down);
  EXPECT_EQ(chart.PlaySentence(), "X from 0 to 10.485.");
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
  ~SilentServer() {
    setenv("PULSE_SERVER", old_.c_str(), 1);
    close(socket_);
    unlink(path_.c_str());
  }

 private:
  std::string old_, path_;
  int socket_ = socket(AF_UNIX, SOCK_STREAM, 0);
};

// A Play still waiting for the server is of runs a new run, a Continue or forgotten runs leave
// behind: each cancels it, and Escape finds nothing to stop.
TEST_F(ChartMarks, ChangedRunsCancelAPlay) {
  const SilentServer server;
  Simulate({".5 .5 .5 5 30"});
  chart.Play();
  EXPECT_TRUE(chart.StopSound());
  EXPECT_FALSE(chart.StopSound());
  const std::pair<const char*, std::function<void()>> presses[] = {
      {"Compute", [this] { Simulate({".5 .5 .5 5 30"}); }},
      {"Continue", [this] { Continue(".5 .5 .5 6 30"), Measure(); }},
      {"Forget", [this] { changes += history.ForgetKept(), Show({}); }}};
  for (const auto& [name, change] : presses) {
    chart.Play();
    change();
    EXPECT_FALSE(chart.StopSound()) << name;
  }
}

}  // namespace
}  // namespace corvale
