#include "window/shell/sweep_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

#include "simulation/parse_number.h"
#include "window/access/announcer.h"
#include "window/access/combo_choice.h"
#include "window/access/explanation.h"
#include "window/shell/sweep_message.h"
#include "window/words/box_label.h"
#include "window/words/contexts.h"
#include "window/words/failure_message.h"
#include "window/words/prose_number.h"

namespace corvale {
namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

}  // namespace

SweepDialog::SweepDialog(const LabBook& book, const FormFields& fields, const QLocale& locale,
                         const SweepRequest& initial, QWidget* parent)
    : QDialog(parent),
      book_(book),
      fields_(fields),
      locale_(locale),
      value_(Named(new QComboBox(this), "sweepValue")),
      from_(Named(new QLineEdit(QString::fromStdString(initial.from), this), "sweepFrom")),
      to_(Named(new QLineEdit(QString::fromStdString(initial.to), this), "sweepTo")),
      runs_(Named(new QSpinBox(this), "sweepRuns")) {
  setObjectName(QLatin1String("sweepDialog"));
  setWindowTitle(SweepWords::tr("Sweep"));
  for (const Box box : SweepableBoxes()) {
    value_->addItem(BoxLabel(box), static_cast<int>(box));
    if (box == initial.box) value_->setCurrentIndex(value_->count() - 1);
  }
  // A screen reader is told of a combo box's new choice only while its list
  // is open: Up and Down on the closed box are said here.
  // Made at the first change: one there from the start would be read out,
  // empty, as the dialog opens.
  connect(value_, &QComboBox::currentIndexChanged, this, [this] {
    if (!announcer_) {
      announcer_ = new Announcer(this);
      announcer_->show();
    }
    announcer_->Say(value_->currentText());
    // From follows the box chosen until it is typed into.
    if (!from_->isModified())
      from_->setText(QString::fromStdString(fields_.ReadBox(Request().box)));
  });
  runs_->setRange(kLeastSweepRuns, kMostSweepRuns);
  runs_->setValue(initial.runs);
  ExplainChoice(value_, SweepWords::tr("The box whose number changes from run to run; every "
                                       "other box is read as typed."));
  SetExplanation(from_, SweepWords::tr("The first run's value, written as in the boxes."));
  SetExplanation(to_, SweepWords::tr("The last run's value; the runs between are evenly spaced."));
  SetExplanation(
      runs_, SweepWords::tr("How many runs, from %1 to %2, both ends included.")
                 .arg(ProseCount(kLeastSweepRuns, locale_), ProseCount(kMostSweepRuns, locale_)));
  auto* form = new QFormLayout(this);
  const auto row = [this, form](const QString& caption, QWidget* field, const char* name) {
    auto* label = Named(new QLabel(caption, this), name);
    label->setBuddy(field);  // names the field to a screen reader, and Alt with its letter
    field->setAccessibleName(QString(caption).remove(u'&'));
    form->addRow(label, field);
  };
  row(SweepWords::tr("&Value"), value_, "sweepValueLabel");
  row(SweepWords::tr("&From"), from_, "sweepFromLabel");
  row(SweepWords::tr("&To"), to_, "sweepToLabel");
  row(SweepWords::tr("&Runs"), runs_, "sweepRunsLabel");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(SweepWords::tr("Sweep"));
  connect(buttons, &QDialogButtonBox::accepted, this, &SweepDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &SweepDialog::reject);
  form->addRow(buttons);
  from_->setFocus();
  from_->selectAll();
  to_->selectAll();
}

SweepRequest SweepDialog::Request() const {
  SweepRequest request;
  request.box = static_cast<Box>(value_->currentData().toInt());
  request.from = from_->text().toStdString();
  request.to = to_->text().toStdString();
  request.runs = runs_->value();
  return request;
}

void SweepDialog::accept() {
  const SweepRequest request = Request();
  const SweepOutcome check = CheckSweep(book_, fields_, request);
  if (check.input) {
    using Input = SweepInputFailure::Input;
    const Input input = check.input->input;
    QWidget* const change = input == Input::From ? static_cast<QWidget*>(from_)
                            : input == Input::To ? static_cast<QWidget*>(to_)
                                                 : static_cast<QWidget*>(runs_);
    return Tell(SweepInputMessage(*check.input, locale_), change);
  }
  // The swept box at one of the ends: the end is what to change. Any other
  // box is the window's to name, once the dialog has gone.
  if (check.failure && check.failure->box == request.box && check.failure->step == 0) {
    const double from = ParseNumber(request.from, book_.Numbers()).value;
    const bool atFrom = check.failure->text == SweepText(from, book_.Numbers());
    return Tell(FailureMessage(*check.failure, locale_), atFrom ? from_ : to_);
  }
  QDialog::accept();
}

void SweepDialog::Tell(const QString& message, QWidget* change) {
  QMessageBox box(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);  // the user's text must never be read as markup
  if (auto* const label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
    label->setAccessibleName(SpokenMessage(message));
  }
  box.exec();
  change->setFocus();
  if (auto* const edit = qobject_cast<QLineEdit*>(change)) edit->selectAll();
  if (auto* const spin = qobject_cast<QSpinBox*>(change)) spin->selectAll();
}

}  // namespace corvale
