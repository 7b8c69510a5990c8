#pragma once

#include <QString>

class QComboBox;

namespace corvale {

// What a combo box is and does, as SetExplanation gives it, and to a screen
// reader its current choice first: Orca reads a combo box's value from the
// selected item of its list, which Qt's list holds only while it is open, so
// that a combo box reached by Tab would be read without it.
void ExplainChoice(QComboBox* box, const QString& explanation);

}  // namespace corvale
