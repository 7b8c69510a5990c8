#pragma once

#include <QCoreApplication>

namespace corvale {

// The translation contexts, each declared once: a file that needs a
// context's words includes this, not the widget the context is named for.
// Each context keeps the name its texts have in translations/*.ts.

// The chart's words: its axes, legend, marks, readout, menu and sound.
struct ChartWords {
  Q_DECLARE_TR_FUNCTIONS(corvale::ResponseChart)
};

// The window's own words: the controls' explanations and what it says.
struct FormWords {
  Q_DECLARE_TR_FUNCTIONS(corvale::Form1)
};

// The figures' sentences.
struct ResponseWords {
  Q_DECLARE_TR_FUNCTIONS(ResponseText)
};

// A run's name by what sets it apart, and its options in words.
struct RunWords {
  Q_DECLARE_TR_FUNCTIONS(RunNames)
};

// The transcript's table: what it tells a screen reader of its selection,
// its copies and its keys.
struct TableWords {
  Q_DECLARE_TR_FUNCTIONS(corvale::TranscriptView)
};

// The runs compared: their cells, their spoken names and the sentence
// against the run before.
struct ComparisonWords {
  Q_DECLARE_TR_FUNCTIONS(RunComparison)
};

// The sweep's dialog, its messages and what it says.
struct SweepWords {
  Q_DECLARE_TR_FUNCTIONS(corvale::SweepDialog)
};

}  // namespace corvale
