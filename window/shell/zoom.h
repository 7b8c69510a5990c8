#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <array>
#include <utility>
#include <vector>

#include "form/box.h"

class QWidget;

namespace corvale {

// The form at one size among a browser's steps, 50 % to 400 %: every
// control's place from its twips, every control's font and the tooltips'
// font. How large the window is, and which level the screen allows, is the
// window layout's to decide.
class Zoom {
 public:
  // The text's size in percent at each level.
  static constexpr std::array<int, 13> kPercent = {50,  67,  80,  90,  100, 110, 125,
                                                   150, 175, 200, 250, 300, 400};
  static constexpr int kLevels = static_cast<int>(kPercent.size());
  static constexpr int kDefaultLevel = 4;
  static double ScaleAt(int level) { return kPercent[level] / 100.0; }

  // The controls and their places in twips, and the parts of controls that
  // have a font of their own (a style sheet's, say).
  Zoom(std::vector<std::pair<QWidget*, Place>> places, std::vector<QWidget*> parts);

  double Scale() const { return ScaleAt(level_); }
  int Level() const { return level_; }
  // Every control's place and font at `level`, clamped to the steps.
  void SetLevel(int level);
  // The form stretched over a window larger than itself: `widget`'s place
  // larger by `extra`, and the controls under it as much lower, keeping their
  // places to each other; as drawn again when `extra` is empty.
  void Stretch(QWidget* widget, QSize extra);

 private:
  void Apply(int level);
  void PlaceControls();

  struct BaseFont {
    QWidget* widget;
    QFont font;
    QString styleSheet;  // the control's own, without the zoom's
  };

  std::vector<std::pair<QWidget*, Place>> places_;
  std::vector<QWidget*> fonts_;      // the controls' and their parts'
  std::vector<BaseFont> baseFonts_;  // taken before the first zoom
  int level_ = kDefaultLevel;
  QWidget* stretched_ = nullptr;
  QSize extra_{0, 0};
};

}  // namespace corvale
