#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "step.h"
#include "step_response.h"

namespace corvale {

// What one row shows, as its picture needs it: the plant input X, the process
// value, and whether X sat at one of the output's limits. Single precision is
// plenty for a drawing and keeps a million rows under 12 MB.
struct ResponseSample {
  float x = 0;
  float pv = 0;
  Limit limit = Limit::None;

  static ResponseSample Of(const StepRecord& record);
};

// The value axis of the picture: from its low end to its high end, in round
// numbers.
struct ResponseScale {
  double low = 0;
  double high = 1;
};

// Every row's sample with the set point of the run that wrote it, for the
// whole transcript, Compute and its Continues; and the scale that covers them.
class ResponseTrace {
 public:
  void Clear();
  // A run's rows, all under one set point; taken over whole when they are
  // the first.
  void Append(std::vector<ResponseSample> samples, double setPoint);

  std::size_t Size() const { return samples_.size(); }
  const ResponseSample& Sample(std::size_t row) const { return samples_[row]; }
  double SetPointOf(std::size_t row) const;
  // Starts at 0 (or below, for a set point below it) and covers every set
  // point and process value with a margin of a tenth.
  ResponseScale Scale() const;
  // The smallest and the largest process value in rows first..last-1.
  std::pair<float, float> Range(std::size_t first, std::size_t last) const;

 private:
  struct Run {
    std::size_t firstRow;
    double setPoint;
  };

  // The smallest and largest process value of each block of rows, so that
  // the range of many rows takes a look at few.
  static constexpr std::size_t kBlock = 256;
  void Summarize(std::size_t fromRow);

  std::vector<ResponseSample> samples_;
  std::vector<std::pair<float, float>> blocks_;
  std::vector<Run> runs_;
  double lowest_ = 0;  // of every set point and process value, and 0
  double highest_ = 0;
};

}  // namespace corvale
