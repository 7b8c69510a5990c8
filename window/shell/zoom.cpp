#include "window/shell/zoom.h"

#include <QApplication>
#include <QLabel>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <cmath>

#include "window/shell/twips.h"

namespace corvale {
namespace {

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

Zoom::Zoom(std::vector<std::pair<QWidget*, Place>> places, std::vector<QWidget*> parts)
    : places_(std::move(places)), fonts_(std::move(parts)) {
  for (const auto& [widget, place] : places_) fonts_.push_back(widget);
  Apply(kDefaultLevel);
}

void Zoom::SetLevel(int level) { Apply(std::clamp(level, 0, kLevels - 1)); }

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
  PlaceControls();
}

void Zoom::Stretch(QWidget* widget, QSize extra) {
  if (widget == stretched_ && extra == extra_) return;
  stretched_ = widget;
  extra_ = extra;
  PlaceControls();
}

void Zoom::PlaceControls() {
  const double scale = Scale();
  int under = INT_MAX;  // the stretched widget's foot, in twips
  for (const auto& [widget, place] : places_)
    if (widget == stretched_) under = place.top + place.height;
  for (const auto& [widget, place] : places_) {
    QRect rect = TwipsRect(place, scale);
    if (widget == stretched_) rect.setSize(rect.size() + extra_);
    if (place.top >= under) rect.translate(0, extra_.height());
    widget->setGeometry(rect);
    // The layout was drawn for a narrower font: a caption that would be cut
    // off gets the room it needs, keeping its place.
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      label->resize(label->size().expandedTo(label->sizeHint()));
    }
  }
}

}  // namespace corvale
