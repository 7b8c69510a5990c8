#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "simulation/loop_options.h"
#include "simulation/step.h"

namespace corvale {
namespace {

// One command: so many steps under its gains and options.
struct Command {
  std::int64_t loops;
  Gains gains;
  LoopOptions options;
};

using Row = std::vector<double>;  // X, PV, Error, P, I and D

std::vector<Row> Simulate(const std::vector<Command>& commands) {
  LoopState state;
  ResetState(state, commands.front().options.noiseSeed);
  std::vector<Row> rows;
  for (const Command& c : commands) {
    SeedNoise(state, c.options.noiseSeed);
    double lastError = 0;
    for (std::int64_t n = 0; n < c.loops; ++n) {
      const StepRecord r = StepOnce(state, lastError, c.gains, c.options);
      CommitStep(state, r);
      lastError = r.Error;
      rows.push_back({r.X, r.PV, r.Error, r.P, r.I, r.D});
    }
  }
  return rows;
}

// The rows tests/simulation/loop_reference.py printed from the laws alone.
std::map<std::string, std::vector<Row>> Reference() {
  std::ifstream file(CORVALE_SOURCE_DIR "/tests/simulation/loop_reference.txt");
  std::map<std::string, std::vector<Row>> scenarios;
  std::vector<Row>* rows = nullptr;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || !std::isdigit(static_cast<unsigned char>(line[0]))) {
      rows = &scenarios[line];
      continue;
    }
    std::istringstream fields(line);
    std::string field;
    fields >> field;  // the step
    Row row;
    while (fields >> field) {
      double value = 0;
      std::from_chars(field.data(), field.data() + field.size(), value);
      row.push_back(value);
    }
    rows->push_back(row);
  }
  return scenarios;
}

TEST(LoopOptions, EveryRowIsTheReferencesToTheBit) {
  const PlantModel twoLags{.K = 1, .T1 = 5, .T2 = 5};
  const PlantModel lagAndDead{.K = 1, .T1 = 10, .deadTime = 3};
  const LoopOptions conditional{.plant = {}, .antiWindup = AntiWindup::Conditional};
  const LoopOptions back{
      .plant = {}, .antiWindup = AntiWindup::BackCalculation, .trackingGain = 0.5};
  const auto load = [](double ki) {
    return std::vector<Command>{{60,
                                 {.Kp = 1, .Ki = ki, .SP = 5},
                                 {.plant = {.K = 1, .T1 = 2}, .loadSize = -4, .loadStep = 20}}};
  };
  const auto noise = [](bool onPv) {
    LoopOptions o{
        .plant = {.K = 1, .T1 = 3}, .derivativeOnPv = onPv, .noise = 0.2, .noiseSeed = 42};
    LoopOptions reseeded = o;
    reseeded.noiseSeed = 7;
    const Gains g{.Kp = 0.5, .Ki = 0.3, .Kd = 2, .SP = 5};
    Gains higher = g;
    higher.SP = 9;
    return std::vector<Command>{{20, g, o}, {20, higher, o}, {10, higher, reseeded}};
  };
  const auto windup = [](const LoopOptions& o) {
    return std::vector<Command>{{30, {.Kp = 0.5, .Ki = 0.5, .SP = 300}, o},
                                {30, {.Kp = 0.5, .Ki = 0.5, .SP = 5}, o}};
  };
  LoopOptions longer{.plant = lagAndDead};
  longer.plant.deadTime = 6;
  const std::map<std::string, std::vector<Command>> scenarios = {
      {"default plant", {{100, {.Kp = 0.5, .Ki = 0.5, .Kd = 0.5, .SP = 5}, {}}}},
      {"two lags", {{80, {.Kp = 4, .Ki = 0.2, .SP = 5}, {.plant = twoLags}}}},
      {"two lags, Kd 10", {{80, {.Kp = 4, .Ki = 0.2, .Kd = 10, .SP = 5}, {.plant = twoLags}}}},
      {"lag and dead time, then longer",
       {{60, {.Kp = 1.2, .Ki = 0.1, .SP = 5}, {.plant = lagAndDead}},
        {40, {.Kp = 1.2, .Ki = 0.1, .SP = 8}, longer}}},
      {"windup", windup({})},
      {"conditional", windup(conditional)},
      {"back", windup(back)},
      {"conditional below", {{30, {.Kp = 10, .Ki = 20, .SP = -5}, conditional}}},
      {"load, P alone", load(0)},
      {"load with I", load(0.3)},
      {"noise, D on the error", noise(false)},
      {"noise, D on PV", noise(true)},
  };
  const auto reference = Reference();
  ASSERT_EQ(reference.size(), scenarios.size());
  for (const auto& [name, commands] : scenarios) {
    // Values compare equal where only the sign of a zero differs: a lag of 0
    // passes its input on as the default plant always has.
    EXPECT_EQ(Simulate(commands), reference.at(name)) << name;
  }
}

}  // namespace
}  // namespace corvale
