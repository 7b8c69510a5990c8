// The chart by mouse, and its step axis zoomed and panned: by keyboard
// around the cursor, by the wheel around the pointer, by dragging; each
// change said as the steps shown.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "window/chart/chart_scene.h"
#include "window/chart/response_chart.h"
#include "window/sound/chart_sound.h"
#include "window/words/prose_number.h"

namespace corvale {
namespace {

constexpr double kKeyZoom = 2;       // + and - halve and double the steps shown
constexpr double kWheelZoom = 1.25;  // a notch of the wheel
constexpr double kPan = 0.1;         // of the steps shown, a key or a notch
constexpr int kNotch = 120;          // an ordinary wheel's, in eighths of a degree

}  // namespace

QString ResponseChart::StepsSentence() const {
  const auto count = [this](std::size_t n) {
    return ProseCount(static_cast<std::int64_t>(n), locale_);
  };
  if (steps_.Whole()) return tr("Steps 1 to %1: the whole run.").arg(count(Rows()));
  return tr("Steps %1 to %2 of %3.")
      .arg(count(steps_.First()), count(steps_.Last()), count(Rows()));
}

void ResponseChart::ShowWholeRun() { StepsChanged(steps_.Show({}), true); }

void ResponseChart::StepsChanged(bool changed, bool sayNow) {
  if (changed) update();
  if (Rows() == 0) return;
  if (!sayNow) return stepsSaid_.start();
  stepsSaid_.stop();
  Sound().Say(StepsSentence());
}

double ResponseChart::StepAt(double x) const {
  const ChartFrame f = Frame();
  return f.steps.ToValue(std::clamp(x, f.top.left(), f.top.right()));
}

double ResponseChart::ZoomCentre() const {
  const auto step = static_cast<std::size_t>(cursor_ + 1);
  if (cursor_ >= 0 && steps_.Shows(step)) return static_cast<double>(step);
  return (static_cast<double>(steps_.First()) + static_cast<double>(steps_.Last())) / 2;
}

bool ResponseChart::StepsKey(const QKeyEvent& event) {
  // A layout's own way to a key (Shift for +, AltGr for [) is no modifier
  // here; Ctrl's are the window's text zoom.
  if (Rows() == 0) return false;
  const Qt::KeyboardModifiers mods =
      event.modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
  const bool plain = mods == Qt::NoModifier, shifted = mods == Qt::ShiftModifier;
  const int key = event.key();
  bool changed = false;
  if ((key == Qt::Key_Plus && (plain || shifted)) || (key == Qt::Key_Equal && plain)) {
    changed = steps_.Zoom(kKeyZoom, ZoomCentre());
  } else if (key == Qt::Key_Minus && plain) {
    changed = steps_.Zoom(1 / kKeyZoom, ZoomCentre());
  } else if (key == Qt::Key_0 && plain) {
    changed = steps_.Show({});
  } else if ((key == Qt::Key_Left || key == Qt::Key_Right) && shifted) {
    changed = steps_.Pan(key == Qt::Key_Right ? kPan : -kPan);
  } else if ((key == Qt::Key_BracketLeft || key == Qt::Key_BracketRight) && (plain || shifted)) {
    changed = steps_.Pan(key == Qt::Key_BracketRight ? kPan : -kPan);
  } else {
    return false;
  }
  // Said even where nothing changed: at the run's end, say, the key is heard.
  StepsChanged(changed, true);
  return true;
}

void ResponseChart::wheelEvent(QWheelEvent* event) {
  // Ctrl's turns are the window's text zoom.
  if (Rows() <= static_cast<int>(StepWindow::kLeastSteps) ||
      (event->modifiers() & Qt::ControlModifier))
    return QWidget::wheelEvent(event);
  const QPoint angle = event->angleDelta();
  const bool pans = (event->modifiers() & Qt::ShiftModifier) || (angle.y() == 0 && angle.x() != 0);
  // Some systems turn Shift's vertical turns into horizontal ones.
  const int turned = pans && angle.y() == 0 ? angle.x() : angle.y();
  if (pans != wheelPans_) wheelAngle_ = 0;
  wheelPans_ = pans;
  wheelAngle_ += turned;
  const int notches = wheelAngle_ / kNotch;
  wheelAngle_ -= notches * kNotch;
  if (notches != 0) {
    // Away from you, closer in; or, panning, toward the run's start, as a
    // scroll bar moves.
    const bool changed =
        pans ? steps_.Pan(-kPan * notches)
             : steps_.Zoom(std::pow(kWheelZoom, notches), StepAt(event->position().x()));
    if (changed) StepsChanged(true, false);
  }
  event->accept();
}

void ResponseChart::mousePressEvent(QMouseEvent* event) {
  const ChartFrame f = Frame();
  const QPointF at = event->position();
  const bool onPlot = at.y() >= f.top.top() && at.y() <= f.Lowest().bottom();
  const int row = onPlot && event->button() == Qt::LeftButton ? RowAt(at.x()) : -1;
  if (row < 0) return QWidget::mousePressEvent(event);
  MoveCursor(row);
  // A zoomed axis pans as the pointer drags it.
  if (!steps_.Whole()) drag_ = Drag{at.x(), steps_.First(), false};
  event->accept();
}

void ResponseChart::mouseMoveEvent(QMouseEvent* event) {
  if (!drag_ || !(event->buttons() & Qt::LeftButton)) return QWidget::mouseMoveEvent(event);
  const double moved = event->position().x() - drag_->x;
  if (!drag_->moved && std::abs(moved) < QApplication::startDragDistance()) return;
  if (!drag_->moved) setCursor(Qt::ClosedHandCursor);
  drag_->moved = true;
  // The step grabbed stays under the pointer.
  const ChartFrame f = Frame();
  const double perPixel = (static_cast<double>(steps_.Count()) - 1) / std::max(f.top.width(), 1.0);
  const auto by = static_cast<std::int64_t>(std::lround(moved * perPixel));
  if (steps_.PanTo(static_cast<std::int64_t>(drag_->first) - by)) update();
  event->accept();
}

void ResponseChart::mouseReleaseEvent(QMouseEvent* event) {
  if (!drag_ || event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const bool moved = drag_->moved, panned = steps_.First() != drag_->first;
  drag_.reset();
  if (moved) unsetCursor();
  if (panned) StepsChanged(false, true);
  event->accept();
}

}  // namespace corvale
