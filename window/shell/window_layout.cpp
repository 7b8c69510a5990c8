#include "window/shell/window_layout.h"

#include "window/shell/transcript_box.h"

#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace corvale {
namespace {

// How long a window manager may take to give a restored window its size.
constexpr int kRestoreWait = 500;  // ms

}  // namespace

WindowLayout::WindowLayout(QWidget* window, Place clientArea,
                           std::vector<std::pair<QWidget*, Place>> places,
                           std::vector<QWidget*> parts, TranscriptBox* box, ResponseChart* chart,
                           std::function<void()> arranged)
    : window_(window),
      zoom_(std::move(places), std::move(parts)),
      fit_(clientArea),
      placement_(window, box, chart),
      box_(box),
      arranged_(std::move(arranged)),
      expected_(fit_.Form(zoom_.Level())) {
  window_->setMinimumSize(expected_);
  ResizeTo(expected_);
  placement_.Place(expected_, zoom_.Scale(), Kept());
}

bool WindowLayout::Kept() const { return window_->isMaximized() || window_->isFullScreen(); }

Situation WindowLayout::Now() const {
  Situation now;
  now.level = zoom_.Level();
  now.kept = Kept();
  now.window = window_->size();
  now.user = user_;
  if (const QScreen* screen = window_->screen()) now.available = screen->availableGeometry().size();
  // As the window manager draws the frame now; none before it is shown.
  now.frame = window_->frameGeometry().size() - window_->geometry().size();
  now.chartBeside = placement_.Beside();
  // A maximised window's normal size is the one it comes back to.
  now.normalChartBeside =
      now.kept ? ChartPlacement::Space(expected_, fit_.Form(now.level), zoom_.Scale()).isValid()
               : now.chartBeside;
  return now;
}

void WindowLayout::SetComparison(QWidget* comparison) {
  placement_.SetComparison(comparison);
  Rearrange();
}

void WindowLayout::ZoomBy(int steps) {
  NoteUserSize();  // a size given just before, not yet taken note of
  const Situation now = Now();
  Apply(steps == 0 ? fit_.Reset(now) : fit_.Step(now, steps));
}

void WindowLayout::Apply(const Fit& fit) {
  zoom_.SetLevel(fit.level);
  const QSize form = fit_.Form(fit.level);
  expected_ = fit.window;
  // No smaller than the form, so that every control stays inside the window
  // whatever the user or the window manager does; a maximised window holds
  // the form already.
  const bool nested = std::exchange(resizing_, true);
  window_->setMinimumSize(Kept() ? form.boundedTo(window_->size()) : form);
  resizing_ = nested;
  if (!Kept()) {
    ResizeTo(fit.window);
    KeepOnScreen();
  }
  Rearrange();
}

void WindowLayout::Resized() {
  if (Kept()) {
    keptSize_ = window_->size();
  } else if (restoring_) {
    FinishRestore();
    return;
  } else if (!resizing_) {
    // A window manager that ignored the least size: the form comes first.
    const QSize holding = window_->size().expandedTo(fit_.Form(zoom_.Level()));
    if (holding != window_->size()) ResizeTo(holding);
    // Whose size this is shows once the window's state has settled: some
    // window managers give a window the maximised size before they tell it
    // it is maximised.
    if (!std::exchange(notePending_, true)) {
      QTimer::singleShot(0, this, [this] { NoteUserSize(); });
    }
  }
  Rearrange();
}

void WindowLayout::StateChanged(Qt::WindowStates old) {
  const bool wasKept = old & (Qt::WindowMaximized | Qt::WindowFullScreen);
  if (Kept()) {
    if (!wasKept) keptSize_ = window_->size();
    return;
  }
  if (!wasKept) return;
  // The window manager gives the window back its size from before, mostly
  // just after telling it of the state: a resize now would race it, and the
  // window would end up in the maximised window's corner. So the zoom's size
  // follows the window manager's, or follows it after a while when it came
  // before the state.
  if (window_->size() != keptSize_) {
    FinishRestore();
    return;
  }
  restoring_ = true;
  QTimer::singleShot(kRestoreWait, this, [this] {
    if (restoring_) FinishRestore();
  });
}

void WindowLayout::FinishRestore() {
  restoring_ = false;
  if (Kept()) return;
  if (window_->size() != expected_) ResizeTo(expected_);
  KeepOnScreen();
  Rearrange();
}

void WindowLayout::NoteUserSize() {
  if (!std::exchange(notePending_, false) || Kept() || restoring_) return;
  const QSize size = window_->size();
  const QSize form = fit_.Form(zoom_.Level());
  // Only what differs from the zoom's size is the user's; as small as the
  // form lets them is no size of their own.
  if (size.width() != expected_.width()) {
    user_.setWidth(size.width() > form.width() ? size.width() : 0);
  }
  if (size.height() != expected_.height()) {
    user_.setHeight(size.height() > form.height() ? size.height() : 0);
  }
  expected_ = size;
}

void WindowLayout::ResizeTo(QSize size) {
  expected_ = size;
  const bool nested = std::exchange(resizing_, true);
  window_->resize(size);
  resizing_ = nested;
}

void WindowLayout::KeepOnScreen() {
  const QScreen* screen = window_->screen();
  if (!screen || !window_->isVisible()) return;
  const QRect available = screen->availableGeometry();
  const QRect frame = window_->frameGeometry();
  const QSize size = frame.size() - window_->geometry().size() + window_->size();
  QPoint at = frame.topLeft();
  at.setX(std::max(available.left(), std::min(at.x(), available.right() + 1 - size.width())));
  at.setY(std::max(available.top(), std::min(at.y(), available.bottom() + 1 - size.height())));
  if (at != frame.topLeft()) window_->move(at);
}

void WindowLayout::Rearrange() {
  placement_.Place(fit_.Form(zoom_.Level()), zoom_.Scale(), Kept());
  zoom_.Stretch(box_, placement_.BoxGrowth());
  if (arranged_) arranged_();
}

}  // namespace corvale
