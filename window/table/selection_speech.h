#pragma once

#include <QLocale>
#include <QRect>
#include <QString>

namespace corvale {

class TranscriptModel;

// What a screen reader is told of the transcript's selection, `block` (the
// selected cells: columns x, rows y, empty for none): whole rows by their
// steps ("Rows 5 to 7 selected."), a block of cells by its columns and rows.
QString SelectionSentence(const TranscriptModel& model, const QRect& block, const QLocale& locale);
// And of its copy: "Copied 3 rows.", "Copied 6 cells.".
QString CopySentence(const TranscriptModel& model, const QRect& block, const QLocale& locale);

}  // namespace corvale
