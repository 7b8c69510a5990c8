#include <gtest/gtest.h>

#include "step_info.h"
