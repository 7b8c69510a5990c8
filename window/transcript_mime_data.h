#pragma once

#include <QMimeData>
#include <QString>

namespace corvale {

// What a copy of the transcript offers: the selected text as TAB-separated
// lines (text/plain), and the same as a plain HTML table, one row per line and
// one cell per field (text/html), which spreadsheets prefer when they paste.
// The table is made only when a program asks for it, so that a copy costs no
// more than its text until something pastes HTML.
class TranscriptMimeData : public QMimeData {
  Q_OBJECT

 public:
  // Lines separated by LF.
  explicit TranscriptMimeData(QString text);

  QStringList formats() const override;

 protected:
  QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

 private:
  QByteArray Table() const;

  QString text_;
};

}  // namespace corvale
