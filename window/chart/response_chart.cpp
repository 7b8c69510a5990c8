#include "window/chart/response_chart.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "labbook/lab_book.h"
#include "window/chart/chart_accessible.h"
#include "window/chart/chart_cursor.h"
#include "window/chart/chart_menu.h"
#include "window/chart/chart_scene.h"
#include "window/chart/kept_looks.h"
#include "window/sound/chart_sound.h"
#include "window/words/brief_response_text.h"

namespace corvale {
ResponseChart::ResponseChart(const LabBook* book, QLocale locale, QWidget* parent)
    : QWidget(parent),
      book_(book),
      locale_(std::move(locale)),
      keptLooks_(std::make_unique<KeptLooks>()),
      columns_(std::make_unique<CurrentColumns>()),
      termColumns_(std::make_unique<TermColumns>()),
      rowInterfaces_(std::make_unique<RowInterfaces>()) {
  ChartAccessible::Install();
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  stepsSaid_.setSingleShot(true);
  stepsSaid_.setInterval(400);
  connect(&stepsSaid_, &QTimer::timeout, this, [this] { StepsChanged(false, true); });
}

ResponseChart::~ResponseChart() = default;

const ResponseTrace& ResponseChart::Trace() const {
  static const ResponseTrace empty;
  return book_ ? book_->Current() : empty;
}

int ResponseChart::Rows() const {
  return static_cast<int>(std::min<std::size_t>(Trace().Size(), INT_MAX));
}

void ResponseChart::Follow(const BookChange& change, const QString& figuresText,
                           const QString& againstBefore) {
  // A Play waiting for its sentence, or playing, is of runs that are gone
  // or have changed.
  StopSound();
  figuresText_ = figuresText;
  against_ = againstBefore;
  rowInterfaces_->Forget();
  // A new run, where a cursor placed on the last one would point at nothing
  // it marked; a Continue carries the cursor on.
  if (change.newRun || cursor_ >= Rows()) cursor_ = -1;
  // A new run shown whole; a Continue leaves a zoomed axis where it was.
  if (change.newRun) {
    stepsSaid_.stop();  // the wheel's steps of the run that went
    steps_.NewRun(static_cast<std::size_t>(Rows()));
  } else {
    steps_.Continue(static_cast<std::size_t>(Rows()));
  }
  // A kept run's series only while that run is there.
  if (series_.kind == SeriesId::Kind::KeptPv && book_ && !book_->FindKept(series_.kept)) {
    series_ = {};
  }
  toneScale_.reset();
  if (book_) keptLooks_->Remember(*book_);
  QAccessibleEvent event(this, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
  update();
}

void ResponseChart::ShowVisibleRows(bool shown) {
  showVisibleRows_ = shown;
  update();
}

void ResponseChart::SetValueAxisCoversEveryRun(bool every) {
  axisCoversEveryRun_ = every;
  // Which runs are cut at the axis' ends is in the description.
  QAccessibleEvent event(this, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
  update();
}

void ResponseChart::SetVisibleRows(int first, int last) {
  firstVisible_ = first;
  lastVisible_ = last;
  update();
}

void ResponseChart::SetZoom(double scale) {
  if (!(scale > 0) || !std::isfinite(scale)) return;
  zoom_ = scale;
  update();
}

void ResponseChart::SetCursor(int row) {
  cursor_ = row >= 0 && row < Rows() ? row : -1;
  update();
}

int ResponseChart::TextPixelSize() const {
  // The window's own font: the box's has been zoomed already, and the chart
  // in it would take the zoom twice.
  const int base = std::max(1, QFontInfo(window()->font()).pixelSize());
  double boost = 1;
  if (!parentWidget() || parentWidget()->isWindow()) {
    // Beside the form, in a window as large as a projector's screen, text to
    // match; by the window's size, not the chart's, which shrinks as the
    // form grows, so that Ctrl++ always makes the text larger.
    const QSize window = this->window()->size();
    boost = std::clamp(std::min(window.width(), window.height()) / (40.0 * base), 1.0, 1.5);
  }
  return std::max(1, static_cast<int>(std::lround(base * zoom_ * boost)));
}

double ResponseChart::LineWidth() const { return std::max(1.0, TextPixelSize() / 8.0); }

ChartInput ResponseChart::Input(bool onScreen) const {
  ChartInput input;
  input.book = book_;
  // The figures' marks go with their sentences.
  if (book_ && !figuresText_.isEmpty()) input.figures = book_->CurrentFigures();
  // Written out in the chart's fewer words; the text as given where there
  // are no figures to word.
  input.figuresText = input.figures ? BriefResponseText(*input.figures, locale_) : figuresText_;
  input.firstVisible = firstVisible_;
  // No rows marked: an empty range.
  input.lastVisible = showVisibleRows_ ? lastVisible_ : firstVisible_ - 1;
  input.cursor = cursor_;
  input.readout = RowDescription(cursor_);
  input.locale = locale_;
  input.palette = palette();
  input.font = font();
  input.textPixels = TextPixelSize();
  input.focus = onScreen && hasFocus();
  if (book_) input.keptLooks = keptLooks_->Of(*book_);
  input.columns = columns_.get();
  input.terms = terms_;
  input.termColumns = termColumns_.get();
  input.steps = steps_.Range();
  input.axisCoversEveryRun = axisCoversEveryRun_;
  return input;
}

ChartReport ResponseChart::Draw(QPainter& painter, QSize size, bool picture) const {
  ChartInput input = Input(painter.device() == this);
  if (picture) {
    input.picture = true;
    input.lastVisible = input.firstVisible - 1;
    input.cursor = -1;  // where the user stands is the window's, not the slide's
  }
  return ChartScene(input, size).Draw(painter);
}

ChartReport ResponseChart::Report() const {
  QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  QPainter painter(&image);
  return Draw(painter, size());
}

QMenu* ResponseChart::CreateContextMenu() {
  return MakeChartMenu(this, book_ && !book_->Kept().empty(), Rows() > 0);
}

void ResponseChart::ShowMenu(QPoint global, bool keyboard) {
  QMenu* menu = CreateContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(global);
  if (!keyboard) return;
  // Opened from the keyboard, on its first item, as Down would put it: the
  // item takes the focus, and a screen reader says the menu and the item at
  // once instead of nothing until Down. (An item made active otherwise is
  // not told.)
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QCoreApplication::sendEvent(menu, &down);
}

void ResponseChart::contextMenuEvent(QContextMenuEvent* event) {
  // From the keyboard, at the cursor's step, or the chart's middle.
  const QPoint at = event->reason() != QContextMenuEvent::Keyboard ? event->pos()
                    : cursor_ >= 0                                 ? RowRect(cursor_).center()
                                                                   : rect().center();
  ShowMenu(mapToGlobal(at), event->reason() == QContextMenuEvent::Keyboard);
  event->accept();
}

void ResponseChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Draw(painter, size());
}

ChartFrame ResponseChart::Frame() const {
  const ChartInput input = Input(false);
  return ChartScene(input, size()).Frame();
}

int ResponseChart::RowAt(double x) const {
  if (Rows() == 0) return -1;
  const ChartFrame f = Frame();
  if (x < f.top.left() - f.style.unit / 2 || x > f.top.right() + f.style.unit / 2) return -1;
  const double step = f.steps.ToValue(std::clamp(x, f.top.left(), f.top.right()));
  return static_cast<int>(std::clamp(std::round(step) - 1, 0.0, Rows() - 1.0));
}

QRect ResponseChart::RowRect(int row) const {
  const ChartFrame f = Frame();
  const double shown = steps_.Whole() ? Rows() : static_cast<double>(steps_.Count());
  const double half = std::max(f.top.width() / std::max(shown, 1.0) / 2, 1.0);
  const double x = f.steps.ToPixel(row + 1.0);
  return QRectF(QPointF(x - half, f.top.top()), QPointF(x + half, f.Lowest().bottom()))
      .toAlignedRect();
}

void ResponseChart::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    CopyChart(*this);
    return event->accept();
  }
  if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
    ShowMenu(mapToGlobal(cursor_ >= 0 ? RowRect(cursor_).center() : rect().center()), true);
    return event->accept();
  }
  if (StepsKey(*event) || WalkKey(*event)) return event->accept();
  const std::optional<int> to =
      CursorAfterKey(event->key(), cursor_, Rows(), firstVisible_, lastVisible_);
  if (!to) return QWidget::keyPressEvent(event);
  const bool stays = *to == cursor_;
  MoveCursor(*to);
  // Home on the first step, say: the focus stays, and a screen reader hears
  // nothing of it unless told.
  if (stays) Sound().Say(RowDescription(*to));
  event->accept();
}

void ResponseChart::changeEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ParentChange:  // beside the form or in the box: the text's size
      update();
      break;
    default:
      break;
  }
  QWidget::changeEvent(event);
}

void ResponseChart::MoveCursor(int row) {
  // A cursor leaving the steps shown takes them along, their width kept.
  const StepRange before = steps_.Range();
  const bool followed = row >= 0 && steps_.Follow(static_cast<std::size_t>(row) + 1);
  SetCursor(row);
  emit RowRequested(row);
  PlayTone();
  // What makes a screen reader speak the row: the focus moving to it.
  QAccessibleEvent event(this, QAccessible::Focus);
  event.setChild(row);
  QAccessible::updateAccessibility(&event);
  // After a jump (End, a mark) to steps all new, where they stand; a step
  // at a time, the step said is enough.
  if (followed && (before.last < steps_.First() || before.first > steps_.Last()))
    StepsChanged(false, true);
}

}  // namespace corvale
