#pragma once

#include <QLocale>
#include <QString>
#include <array>

#include "form/box.h"
#include "simulation/number_format.h"

namespace corvale {

// What each control of the window is and does, for its tooltip and a screen
// reader's description alike, with every number in the window's own format.
struct FormExplanations {
  std::array<QString, kBoxCount> boxes;  // by IndexOf(Box)
  QString compute;
  QString carryOn;  // Continue
  QString transcript;
};

// `numbers`: the format the boxes read, whose separator the examples show.
FormExplanations ExplainForm(const NumberFormat& numbers, const QLocale& locale);

}  // namespace corvale
