#pragma once

#include <QLocale>
#include <QString>
#include <array>

#include "form/box.h"
#include "simulation/number_format.h"

namespace corvale {

// What one control is and does: in full for its tooltip and F1, and in a few
// words for a screen reader's description, which is heard at every visit.
struct Explanation {
  QString full;
  QString brief;
};

// What each control of the window is and does, with every number in the
// window's own format. The gains' explanations say what each term computes,
// not what it will do to this loop: that is for the class to find out.
struct FormExplanations {
  std::array<Explanation, kBoxCount> boxes;  // by IndexOf(Box)
  Explanation compute;
  Explanation carryOn;  // Continue
  QString transcript;
};

// `numbers`: the format the boxes read, whose separator the examples show.
FormExplanations ExplainForm(const NumberFormat& numbers, const QLocale& locale);

}  // namespace corvale
