#include "window/table/transcript_view.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include "window/access/announcer.h"
#include "window/access/spoken_menu.h"
#include "window/table/selection_speech.h"
#include "window/table/transcript_mime_data.h"
#include "window/table/transcript_model.h"
#include "window/words/contexts.h"

// The transcript's keys and mouse: what they select, copy and open, and
// what a screen reader is told of it.
namespace corvale {
namespace {

// Shift, Ctrl and the like pressed alone: the key that follows decides.
bool IsModifierKey(int key) {
  return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
         key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_Super_L ||
         key == Qt::Key_Super_R;
}

bool IsVerticalMove(int key) {
  return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
         key == Qt::Key_PageDown;
}

bool IsMove(int key) {
  return IsVerticalMove(key) || key == Qt::Key_Left || key == Qt::Key_Right ||
         key == Qt::Key_Home || key == Qt::Key_End;
}

}  // namespace

void TranscriptView::ShowMenu(QPoint global) {
  PopUpSpoken(CreateContextMenu(), TableWords::tr("Transcript menu"), global, *announcer_);
}

void TranscriptView::contextMenuEvent(QContextMenuEvent* event) {
  ShowMenu(MenuPoint(*this, event));
  event->accept();
}

void TranscriptView::Copy() {
  const QRect block = SelectedBlock();
  announcer_->Say(CopySentence(*model_, block, locale()));
  if (block.isEmpty()) return;
  QGuiApplication::clipboard()->setMimeData(
      new TranscriptMimeData(*model_, block.top(), block.bottom(), block.left(), block.right()));
}

void TranscriptView::SelectWholeRows() {
  // The rows of the selection, or else the current row, as a spreadsheet does.
  const int current = currentIndex().row();
  if (current < 0) return;
  const QRect block = SelectedBlock() | QRect(0, current, 1, 1);
  const int top = block.top(), bottom = block.bottom();
  rowsPicked_ = true;
  selectionModel()->select(
      QItemSelection(model_->index(top, 0), model_->index(bottom, model_->columnCount() - 1)),
      QItemSelectionModel::ClearAndSelect);
}

bool TranscriptView::StartsInStepColumn() const {
  const QRect block = SelectedBlock();
  return currentIndex().column() == 0 && (block.isEmpty() || block.right() == 0);
}

void TranscriptView::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  // Shift pressed before the arrow keeps the rows picked.
  if (IsModifierKey(key)) return QTableView::keyPressEvent(event);
  if (event == QKeySequence::Copy) return Copy();
  if (key == Qt::Key_Space && modifiers == Qt::ShiftModifier) {
    SelectWholeRows();
    return announcer_->Say(SelectionSentence(*model_, SelectedBlock(), locale()));
  }
  if (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
    return ShowMenu(MenuPoint(*this));
  }
  if ((key == Qt::Key_Delete || key == Qt::Key_Backspace) && modifiers == Qt::NoModifier) {
    return announcer_->Say(TableWords::tr("Nothing deleted: only the runs write the transcript."));
  }
  const bool extends = modifiers.testFlag(Qt::ShiftModifier) && IsMove(key);
  // A move without Shift starts a new selection, of cells.
  if (!modifiers.testFlag(Qt::ShiftModifier)) {
    rowsPicked_ = false;
  } else if (IsVerticalMove(key) && StartsInStepColumn()) {
    rowsPicked_ = true;
  }
  QTableView::keyPressEvent(event);
  if (extends || event == QKeySequence::SelectAll) {
    announcer_->Say(SelectionSentence(*model_, SelectedBlock(), locale()));
  }
}

void TranscriptView::mousePressEvent(QMouseEvent* event) {
  // The Step column picks whole rows; Shift extends what was picked.
  if (!(event->modifiers() & Qt::ShiftModifier)) {
    rowsPicked_ = indexAt(event->position().toPoint()).column() == 0;
  }
  QTableView::mousePressEvent(event);
}

}  // namespace corvale
