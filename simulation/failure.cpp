#include "failure.h"

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

}  // namespace corvale
