#include "window/access/combo_choice.h"

#include <QComboBox>

#include "window/access/explanation.h"
#include "window/words/contexts.h"

namespace corvale {

void ExplainChoice(QComboBox* box, const QString& explanation) {
  SetExplanation(box, explanation);
  const auto describe = [box, explanation] {
    box->setAccessibleDescription(FormWords::tr("%1. %2", "a combo box's choice, then what it does")
                                      .arg(box->currentText(), explanation));
  };
  describe();
  QObject::connect(box, &QComboBox::currentIndexChanged, box, describe);
}

}  // namespace corvale
