#pragma once

#include <QString>

#include "form/box.h"

namespace corvale {

// A box's label as the user sees it: the gains' and lags' symbols as they
// are, the options' words in the user's language.
QString BoxLabel(Box box);

}  // namespace corvale
