#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "commands.h"
#include "memory_form_fields.h"
#include "response_trace.h"

namespace corvale {

// A press of Compute (or Continue) with the boxes as typed.
struct Command {
  bool compute;
  const char *kp, *ki, *kd, *sp, *loops;
};

// The trace the window keeps after the commands, one after another.
inline ResponseTrace TraceOf(const std::vector<Command>& commands) {
  LoopState state;
  MemoryFormFields fields;
  ResponseTrace trace;
  for (const Command& c : commands) {
    for (auto [box, text] : {std::pair{Box::Kp, c.kp},
                             {Box::Ki, c.ki},
                             {Box::Kd, c.kd},
                             {Box::SP, c.sp},
                             {Box::Loops, c.loops}}) {
      fields.SetBox(box, text);
    }
    RunOutcome outcome = c.compute ? OnCompute(state, fields) : OnContinue(state, fields);
    EXPECT_TRUE(outcome.ok());
    if (c.compute) trace.Clear();
    EXPECT_TRUE(trace.Append(std::move(outcome.samples), outcome.gains.SP));
  }
  return trace;
}

}  // namespace corvale
