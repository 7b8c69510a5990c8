#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "box.h"

class QWidget;

namespace corvale {

// The window at one size among a browser's steps, 50 % to 400 %: every
// control's place from its twips, every control's font, the window's own
// size and the tooltips' font. Ctrl++ stops at the largest size whose window
// the screen shows whole, and the window is moved to stay on the screen; a
// maximised window stays maximised.
class Zoom {
 public:
  // The controls and their places in twips, and the parts of controls that
  // have a font of their own (a style sheet's, say); the window's client
  // area is `clientArea` twips.
  Zoom(QWidget* window, Place clientArea, std::vector<std::pair<QWidget*, Place>> places,
       std::vector<QWidget*> parts);

  double Scale() const;
  int Level() const { return level_; }
  // Larger by `steps` (smaller when below 0); up to the largest that fits,
  // and for which `alsoFits` holds of the form's size at that scale.
  void Step(int steps, const std::function<bool(QSize form, double scale)>& alsoFits = {});
  // As it opened.
  void Reset();
  // The client area's size at a scale.
  QSize ClientSize(double scale) const;

  static constexpr int kDefaultLevel = 4;

 private:
  void Apply(int level);
  // Whether the window at `level`, frame and all, fits the screen's area.
  bool Fits(int level) const;
  void KeepOnScreen();

  struct BaseFont {
    QWidget* widget;
    QFont font;
    QString styleSheet;  // the control's own, without the zoom's
  };

  QWidget* window_;
  Place clientArea_;
  std::vector<std::pair<QWidget*, Place>> places_;
  std::vector<QWidget*> fonts_;      // the controls' and their parts'
  std::vector<BaseFont> baseFonts_;  // taken before the first zoom
  int level_ = kDefaultLevel;
};

}  // namespace corvale
