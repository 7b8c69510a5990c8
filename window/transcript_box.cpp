#include "transcript_box.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "transcript.h"
#include "transcript_mime_data.h"

namespace corvale {
namespace {

// The text's size in percent at each zoom level: the steps a browser takes.
constexpr int kZoomPercent[] = {50, 67, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};
constexpr int kDefaultZoom = 4;
constexpr int kWheelStep = 120;  // one notch of an ordinary wheel, in eighths of a degree

}  // namespace

TranscriptBox::TranscriptBox(QWidget* parent)
    : QPlainTextEdit(parent),
      columns_(this),
      header_(QString::fromStdString(HeaderText())),
      baseFont_(font()),
      zoomLevel_(kDefaultZoom) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setUndoRedoEnabled(false);  // a long transcript must not be kept twice
  setTabChangesFocus(true);
  // Only the runs write here; the reader selects and copies, by mouse and by
  // keyboard, and the context menu offers just that.
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // A scroll moves the drawn text; the strip of column names must stay put.
  for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
    connect(bar, &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
  }
}

void TranscriptBox::SetText(const QString& text) {
  setPlainText(text);
  columns_.Reset();
  columns_.Widen(text);
}

void TranscriptBox::Append(const QString& text) {
  columns_.Widen(text);
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(text);
}

void TranscriptBox::ShowFromLine(int line) {
  const QTextBlock block = document()->findBlockByNumber(line);
  setTextCursor(QTextCursor(block.isValid() ? block : document()->lastBlock()));
  // Without wrapping, the vertical scroll bar counts lines.
  verticalScrollBar()->setValue(line > 1 && StartsWithHeader() ? line - 1 : line);
  horizontalScrollBar()->setValue(0);
}

void TranscriptBox::Zoom(int steps) { ZoomTo(zoomLevel_ + steps); }

void TranscriptBox::ResetZoom() { ZoomTo(kDefaultZoom); }

void TranscriptBox::ZoomTo(int level) {
  zoomLevel_ = std::clamp(level, 0, static_cast<int>(std::size(kZoomPercent)) - 1);
  const qreal scale = kZoomPercent[zoomLevel_] / 100.0;
  QFont zoomed = baseFont_;
  if (baseFont_.pointSizeF() > 0) {
    zoomed.setPointSizeF(baseFont_.pointSizeF() * scale);
  } else {
    zoomed.setPixelSize(std::max(1, static_cast<int>(std::lround(baseFont_.pixelSize() * scale))));
  }
  setFont(zoomed);
}

QMimeData* TranscriptBox::createMimeDataFromSelection() const {
  // The selected text alone, taken now: the transcript may change before a
  // paste. The box's own mime data would copy the document's structure too,
  // seconds for a million rows. Most of a long transcript comes twice as fast
  // out of its plain text, whose positions are the document's.
  const QTextCursor cursor = textCursor();
  const int start = cursor.selectionStart();
  const int length = cursor.selectionEnd() - start;
  if (length > document()->characterCount() / 2) {
    return new TranscriptMimeData(toPlainText().mid(start, length));
  }
  QString text = cursor.selectedText();
  text.replace(QChar::ParagraphSeparator, u'\n');
  return new TranscriptMimeData(std::move(text));
}

void TranscriptBox::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange) columns_.Refit();
}

void TranscriptBox::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() & Qt::ControlModifier) {
    switch (event->key()) {
      case Qt::Key_Plus:
      case Qt::Key_Equal:  // + without Shift on many keyboards
        Zoom(1);
        return;
      case Qt::Key_Minus:
        Zoom(-1);
        return;
      case Qt::Key_0:
        ResetZoom();
        return;
      default:
        break;
    }
  }
  QPlainTextEdit::keyPressEvent(event);
}

void TranscriptBox::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QPlainTextEdit::wheelEvent(event);
    return;
  }
  // A touchpad turns in small amounts: they add up to whole steps.
  wheelAngle_ += event->angleDelta().y();
  const int steps = wheelAngle_ / kWheelStep;
  wheelAngle_ -= steps * kWheelStep;
  if (steps != 0) Zoom(steps);
  event->accept();
}

void TranscriptBox::paintEvent(QPaintEvent* event) {
  QPlainTextEdit::paintEvent(event);
  if (firstVisibleBlock().blockNumber() == 0 || !StartsWithHeader()) return;
  // The header line drawn over the first line shown, just covering it,
  // following the horizontal scroll.
  const QTextBlock header = document()->firstBlock();
  const qreal height = blockBoundingRect(header).height();  // laid out when needed
  QPainter painter(viewport());
  painter.fillRect(QRectF(0, 0, viewport()->width(), height), palette().base());
  header.layout()->draw(&painter, QPointF(contentOffset().x(), 0));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(QLineF(0, height - 0.5, viewport()->width(), height - 0.5));
}

bool TranscriptBox::StartsWithHeader() const { return document()->firstBlock().text() == header_; }

}  // namespace corvale
