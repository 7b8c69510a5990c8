#pragma once

#include <QLocale>
#include <QString>
#include <vector>

#include "labbook/kept_run.h"
#include "labbook/run_differences.h"

namespace corvale {

// Each of the runs named by what sets it apart from the others, as the
// chart's legend and its kept series name them: the plant, the gains, SP's
// changes and the options that are not the same in all of them, in
// RunField's order ("T1 5, Kd 10"). Runs alike in all of them are named by
// their gains. One name a run, in the runs' order.
std::vector<QString> RunNames(const std::vector<RunSummary>& runs, const QLocale& locale);

// A sweep's runs, in order, named by the field it swept from the first
// run's value to the last's: "Kp 0.1 … 2".
QString SweepName(const std::vector<RunSummary>& runs, const QLocale& locale);

// A run named by some of its fields: a load and its step as one ("Load 20
// from step 50", "Load 0"), noise and its seed as one ("Noise 0.5, seed 3",
// "Noise 0"); Kb only where it applies.
QString RunName(const RunSummary& run, RunFields fields, const QLocale& locale);

// The anti-windup in a word, as the comparison's cell shows it:
// "none", "conditional", "back-calculation".
QString AntiWindupWord(AntiWindup antiWindup);

}  // namespace corvale
