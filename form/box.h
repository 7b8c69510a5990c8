#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "simulation/number_format.h"

namespace corvale {

// The input boxes, named by the labels the user sees beside them: the form's
// five, then the plant's and the loop's options.
enum class Box {
  Kp,
  Ki,
  Kd,
  SP,
  Loops,
  PlantGain,
  PlantLag1,
  PlantLag2,
  PlantDeadTime,
  TrackingGain,
  LoadSize,
  LoadStep,
  Noise,
  NoiseSeed,
};

// A place on the form in twips, relative to its client area.
struct Place {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Everything the form knows of one box and of the label beside it.
struct BoxDescription {
  Box box;
  std::string_view label;        // the label's caption, which also names the box to the user
  std::string_view name;         // the box's control name
  std::string_view initialText;  // a "." in it stands for the locale's decimal separator
  Place place;
  std::string_view labelName;
  Place labelPlace;

  // The form's own five stand at their places; the options have none and
  // are laid out where the window chooses.
  bool OnForm() const { return place.width > 0; }
};

// The boxes in the order of Box, each with its label, as the form is drawn.
// clang-format off
inline constexpr BoxDescription kBoxes[] = {
    {Box::Kp, "Kp", "guiKP", ".5", {600, 3720, 972, 288}, "Label1", {240, 3720, 252, 252}},
    {Box::Ki, "Ki", "guiKI", ".5", {2400, 3720, 972, 288}, "Label2", {2040, 3720, 252, 252}},
    {Box::Kd, "Kd", "guiKD", ".5", {4080, 3720, 972, 288}, "Label3", {3720, 3720, 252, 252}},
    {Box::SP, "SP", "guiSP", "5", {5640, 3720, 972, 288}, "Label4", {5280, 3720, 252, 252}},
    {Box::Loops, "Loops", "Loops", "100", {5640, 4200, 972, 288}, "Label5", {5040, 4200, 456, 192}},
    {Box::PlantGain, "K", "plantGain", ".5", {}, "plantGainLabel", {}},
    {Box::PlantLag1, "T1", "plantLag1", "0", {}, "plantLag1Label", {}},
    {Box::PlantLag2, "T2", "plantLag2", "0", {}, "plantLag2Label", {}},
    {Box::PlantDeadTime, "Dead time", "plantDeadTime", "0", {}, "plantDeadTimeLabel", {}},
    {Box::TrackingGain, "Kb", "trackingGain", ".5", {}, "trackingGainLabel", {}},
    {Box::LoadSize, "Load", "loadSize", "0", {}, "loadSizeLabel", {}},
    {Box::LoadStep, "Load from step", "loadStep", "1", {}, "loadStepLabel", {}},
    {Box::Noise, "Noise", "noise", "0", {}, "noiseLabel", {}},
    {Box::NoiseSeed, "Noise seed", "noiseSeed", "0", {}, "noiseSeedLabel", {}},
};
// clang-format on
inline constexpr std::size_t kBoxCount = std::size(kBoxes);

constexpr std::size_t IndexOf(Box box) { return static_cast<std::size_t>(box); }
constexpr const BoxDescription& Describe(Box box) { return kBoxes[IndexOf(box)]; }

// What the box holds when the window opens, written with the locale's
// separator so that the very first Compute reads it.
std::string InitialText(Box box, const NumberFormat& numbers);
// Any such text, a "." in it the locale's separator.
std::string WithSeparator(std::string_view text, const NumberFormat& numbers);

}  // namespace corvale
