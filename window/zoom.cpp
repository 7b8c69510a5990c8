#include "zoom.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "twips.h"

namespace corvale {
namespace {

// The text's size in percent at each level: the steps a browser takes.
constexpr int kPercent[] = {50, 67, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};
constexpr int kLevels = static_cast<int>(std::size(kPercent));

// A font `scale` times as large, in the unit it was given in; and that size
// as a style sheet writes it.
std::pair<QFont, QString> Scaled(const QFont& font, double scale) {
  QFont zoomed = font;
  if (font.pointSizeF() > 0) {
    zoomed.setPointSizeF(font.pointSizeF() * scale);
    return {zoomed, QString::number(zoomed.pointSizeF()) + QStringLiteral("pt")};
  }
  zoomed.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale))));
  return {zoomed, QString::number(zoomed.pixelSize()) + QStringLiteral("px")};
}

}  // namespace

Zoom::Zoom(QWidget* window, Place clientArea, std::vector<std::pair<QWidget*, Place>> places,
           std::vector<QWidget*> parts)
    : window_(window),
      clientArea_(clientArea),
      places_(std::move(places)),
      fonts_(std::move(parts)) {
  for (const auto& [widget, place] : places_) fonts_.push_back(widget);
  Apply(kDefaultLevel);
}

double Zoom::Scale() const { return kPercent[level_] / 100.0; }

QSize Zoom::ClientSize(double scale) const { return TwipsRect(clientArea_, scale).size(); }

void Zoom::Step(int steps, const std::function<bool(QSize form, double scale)>& alsoFits) {
  int level = std::clamp(level_ + steps, 0, kLevels - 1);
  // Larger only as far as the screen shows the whole window; never smaller
  // than asked, where the screen is smaller than the window already is.
  const auto fits = [&](int candidate) {
    const double scale = kPercent[candidate] / 100.0;
    return Fits(candidate) && (!alsoFits || alsoFits(ClientSize(scale), scale));
  };
  while (level > level_ && !fits(level)) --level;
  Apply(level);
}

void Zoom::Reset() { Apply(kDefaultLevel); }

bool Zoom::Fits(int level) const {
  const QScreen* screen = window_->screen();
  if (!screen) return true;
  // A maximised window keeps its size: the form must fit in it. Any other
  // grows, its frame (as the window manager draws it now) and all.
  const bool kept = window_->isMaximized() || window_->isFullScreen();
  const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
  const QSize size = ClientSize(kPercent[level] / 100.0) + (kept ? QSize() : frame);
  const QSize available = kept ? window_->size() : screen->availableGeometry().size();
  return size.width() <= available.width() && size.height() <= available.height();
}

void Zoom::Apply(int level) {
  const bool changed = level != level_;
  level_ = level;
  const double scale = Scale();
  // Each control's font as the application, its style and any style sheet
  // made it, taken before the first zoom and scaled from then on.
  if (baseFonts_.empty() && changed) {
    for (QWidget* widget : fonts_)
      baseFonts_.push_back({widget, widget->font(), widget->styleSheet()});
  }
  const bool styled = !qApp->styleSheet().isEmpty();
  for (const auto& [widget, font, styleSheet] : baseFonts_) {
    const auto [zoomed, size] = Scaled(font, scale);
    widget->setFont(zoomed);
    // A style sheet's font outranks setFont: one more rule in the control's
    // own sheet, which outranks the application's, carries the zoom there.
    if (styled || !styleSheet.isEmpty()) {
      // A control's own sheet may be bare declarations; as a rule it can take
      // more after it. By its name the control outranks any rule of its own
      // sheet; its parts take the size from the first rule.
      const QString rules = styleSheet.isEmpty() || styleSheet.contains(u'{')
                                ? styleSheet
                                : QStringLiteral("* { %1 }").arg(styleSheet);
      widget->setStyleSheet(
          level_ == kDefaultLevel
              ? styleSheet
              : rules + QStringLiteral("\n* { font-size: %1; } #%2 { font-size: %1; }")
                            .arg(size, widget->objectName()));
    }
  }
  // The tooltips' font is the application's: taken as the first window found it.
  static const QFont toolTipFont = QToolTip::font();
  QToolTip::setFont(Scaled(toolTipFont, scale).first);
  for (const auto& [widget, place] : places_) {
    widget->setGeometry(TwipsRect(place, scale));
    // The layout was drawn for a narrower font: a caption that would be cut
    // off gets the room it needs, keeping its place.
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      label->resize(label->size().expandedTo(label->sizeHint()));
    }
  }
  // A maximised window keeps the screen's size; the controls keep their places in it.
  if (!window_->isMaximized() && !window_->isFullScreen()) {
    window_->resize(ClientSize(scale));
    KeepOnScreen();
  }
}

void Zoom::KeepOnScreen() {
  const QScreen* screen = window_->screen();
  if (!screen || !window_->isVisible()) return;
  const QRect available = screen->availableGeometry();
  const QRect frame = window_->frameGeometry();
  const QSize size = window_->frameGeometry().size() - window_->geometry().size() +
                     window_->size();  // the frame after the resize above
  QPoint at = frame.topLeft();
  at.setX(std::max(available.left(), std::min(at.x(), available.right() + 1 - size.width())));
  at.setY(std::max(available.top(), std::min(at.y(), available.bottom() + 1 - size.height())));
  if (at != frame.topLeft()) window_->move(at);
}

}  // namespace corvale
