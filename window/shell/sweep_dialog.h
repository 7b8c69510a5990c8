#pragma once

#include <QDialog>
#include <QLocale>

#include "form/form_fields.h"
#include "form/sweep_command.h"
#include "labbook/lab_book.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace corvale {

class Announcer;

// Asks what to sweep: which box's number (sweepValue), from (sweepFrom) and
// to (sweepTo), in how many runs (sweepRuns). The numbers are read as the
// boxes read them; OK checks them as the sweep will, and a failure of the
// sweep's own inputs, or of the swept box at either end, is named in a
// message as the boxes' failures are, the focus then on what to change.
class SweepDialog : public QDialog {
  Q_OBJECT

 public:
  // `initial`: the box first chosen and what the fields first hold.
  SweepDialog(const LabBook& book, const FormFields& fields, const QLocale& locale,
              const SweepRequest& initial, QWidget* parent = nullptr);

  SweepRequest Request() const;

  void accept() override;

 private:
  // The message, and the control to change for it.
  void Tell(const QString& message, QWidget* change);

  const LabBook& book_;
  const FormFields& fields_;
  const QLocale locale_;
  QComboBox* value_;
  QLineEdit* from_;
  QLineEdit* to_;
  QSpinBox* runs_;
  Announcer* announcer_ = nullptr;
};

}  // namespace corvale
