#include "box.h"

namespace corvale {

std::string_view BoxLabel(Box box) {
  switch (box) {
    case Box::Kp:
      return "Kp";
    case Box::Ki:
      return "Ki";
    case Box::Kd:
      return "Kd";
    case Box::SP:
      return "SP";
    case Box::Loops:
      return "Loops";
  }
  return {};
}

std::string InitialText(Box box, const NumberFormat& numbers) {
  switch (box) {
    case Box::SP:
      return "5";
    case Box::Loops:
      return "100";
    case Box::Kp:
    case Box::Ki:
    case Box::Kd:
      break;
  }
  return numbers.decimalSeparator + "5";
}

}  // namespace corvale
