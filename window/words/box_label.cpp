#include "window/words/box_label.h"

#include <QCoreApplication>

namespace corvale {

QString BoxLabel(Box box) {
  switch (box) {
    case Box::PlantDeadTime:
      return QCoreApplication::translate("BoxLabel", "Dead time");
    case Box::LoadSize:
      return QCoreApplication::translate("BoxLabel", "Load");
    case Box::LoadStep:
      return QCoreApplication::translate("BoxLabel", "Load from step");
    case Box::Noise:
      return QCoreApplication::translate("BoxLabel", "Noise");
    case Box::NoiseSeed:
      return QCoreApplication::translate("BoxLabel", "Noise seed");
    default:
      return QString::fromUtf8(Describe(box).label);
  }
}

}  // namespace corvale
