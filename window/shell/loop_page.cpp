#include "window/shell/loop_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "window/access/combo_choice.h"
#include "window/access/explanation.h"
#include "window/access/number_box.h"
#include "window/words/box_label.h"

namespace corvale {
namespace {

// The plants a lesson starts from: the loop the program has always had; the
// process-control textbook's first-order lag with dead time, for
// Ziegler-Nichols; and two lags, on which D damps the overshoot.
struct NamedPlant {
  const char* name;
  std::array<const char*, 4> texts;  // K, T1, T2 and the dead time; "." the separator
};
constexpr NamedPlant kPlants[] = {
    {QT_TRANSLATE_NOOP("corvale::LoopPage", "The original loop"), {".5", "0", "0", "0"}},
    {QT_TRANSLATE_NOOP("corvale::LoopPage", "First-order lag with dead time"),
     {"1", "10", "0", "3"}},
    {QT_TRANSLATE_NOOP("corvale::LoopPage", "Two lags"), {"1", "5", "5", "0"}},
};
constexpr Box kPlantBoxes[] = {Box::PlantGain, Box::PlantLag1, Box::PlantLag2, Box::PlantDeadTime};

// What a box is, to the mouse and to a screen reader alike: short, since it
// is heard at every visit.
QString Explained(Box box) {
  switch (box) {
    case Box::PlantGain:
      return LoopPage::tr("The plant's gain: PV settles at K times its input.");
    case Box::PlantLag1:
      return LoopPage::tr("The first lag's time constant, in steps; 0 for none.");
    case Box::PlantLag2:
      return LoopPage::tr("The second lag's time constant, in steps; 0 for none.");
    case Box::PlantDeadTime:
      return LoopPage::tr("Steps the plant waits before its input takes effect.");
    case Box::TrackingGain:
      return LoopPage::tr("How fast back-calculation pulls the sum of the errors back.");
    case Box::LoadSize:
      return LoopPage::tr("A load added to the plant's input, from its step on.");
    case Box::LoadStep:
      return LoopPage::tr("The step the load begins at.");
    case Box::Noise:
      return LoopPage::tr("The controller reads PV with a noise of up to this much either way.");
    default:
      return LoopPage::tr("The same seed gives the same noise.");
  }
}

QString Localized(const char* text, const NumberFormat& numbers) {
  return QString::fromStdString(WithSeparator(text, numbers));
}

}  // namespace

LoopPage::LoopPage(const NumberFormat& numbers, QWidget* parent)
    : QWidget(parent), numbers_(numbers) {
  setObjectName(QLatin1String("loopPage"));
  // Three groups side by side fit the box at the window's first size; a
  // larger zoom scrolls.
  auto* const scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  // Its controls take the focus, and it scrolls to each: the area itself is
  // no stop of its own, which a screen reader would reach and say nothing of.
  scroll->setFocusPolicy(Qt::NoFocus);
  auto* const inner = new QWidget(scroll);
  auto* const columns = new QHBoxLayout(inner);
  columns->setContentsMargins(4, 2, 4, 2);
  scroll->setWidget(inner);
  auto* const page = new QVBoxLayout(this);
  page->setContentsMargins(0, 0, 0, 0);
  page->addWidget(scroll);
  const auto group = [&](const QString& title) {
    auto* const box = new QGroupBox(title, inner);
    columns->addWidget(box, 1, Qt::AlignTop);
    auto* const form = new QFormLayout(box);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form->setContentsMargins(6, 2, 6, 4);
    form->setVerticalSpacing(2);
    return form;
  };
  const auto add = [&](QFormLayout* form, const QString& label, QWidget* control) {
    form->addRow(label, control);
    order_.push_back(control);
  };
  const auto addBox = [&](QFormLayout* form, Box box) {
    auto* const edit = new NumberBox(inner);
    edit->setObjectName(QLatin1String(Describe(box).name.data()));
    boxes_[IndexOf(box)] = edit;
    SetExplanation(edit, Explained(box));
    add(form, BoxLabel(box), edit);
    return edit;
  };

  QFormLayout* const plant = group(tr("Plant"));
  plant_ = new QComboBox(inner);
  // Named plants' names are long: the box shows what fits.
  plant_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  plant_->setMinimumContentsLength(6);
  plant_->setObjectName(QLatin1String("plantModel"));
  for (const NamedPlant& named : kPlants) plant_->addItem(tr(named.name));
  ExplainChoice(plant_, tr("A plant by name; it sets K, T1, T2 and the dead time."));
  add(plant, tr("Model"), plant_);
  for (Box box : kPlantBoxes) {
    connect(addBox(plant, box), &QLineEdit::textEdited, this, &LoopPage::NamePlant);
  }
  connect(plant_, &QComboBox::activated, this, [this](int index) {
    ChoosePlant(index);
    QStringList numbers;
    for (Box box : kPlantBoxes) numbers << BoxLabel(box) + u' ' + BoxFor(box)->text();
    emit Changed(tr("%1: %2.").arg(plant_->currentText(), QLocale().createSeparatedList(numbers)));
  });

  QFormLayout* const controller = group(tr("Controller"));
  antiWindup_ = new QComboBox(inner);
  antiWindup_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  antiWindup_->setMinimumContentsLength(6);
  antiWindup_->setObjectName(QLatin1String("antiWindup"));
  antiWindup_->addItems({tr("None"), tr("Conditional integration"), tr("Back-calculation")});
  ExplainChoice(antiWindup_, tr("What keeps I from winding up while X is held at 0 or 255."));
  add(controller, tr("Anti-windup"), antiWindup_);
  QLineEdit* const tracking = addBox(controller, Box::TrackingGain);
  tracking->setEnabled(false);
  connect(antiWindup_, &QComboBox::currentIndexChanged, this, [this, tracking](int index) {
    tracking->setEnabled(index == 2);
    emit Changed(tr("Anti-windup: %1.").arg(antiWindup_->currentText()));
  });
  derivativeOnPv_ = new QCheckBox(tr("D on PV"), inner);
  derivativeOnPv_->setObjectName(QLatin1String("derivativeOnPV"));
  SetExplanation(derivativeOnPv_, tr("D acts on PV's change, not the error's: no kick when SP "
                                     "changes."));
  controller->addRow(derivativeOnPv_);
  order_.push_back(derivativeOnPv_);

  QFormLayout* const disturbances = group(tr("Disturbances"));
  for (Box box : {Box::LoadSize, Box::LoadStep, Box::Noise, Box::NoiseSeed}) {
    addBox(disturbances, box);
  }
}

FormFields::Choices LoopPage::Choices() const {
  constexpr AntiWindup kCures[] = {AntiWindup::None, AntiWindup::Conditional,
                                   AntiWindup::BackCalculation};
  return {kCures[std::max(0, antiWindup_->currentIndex())], derivativeOnPv_->isChecked()};
}

void LoopPage::ChoosePlant(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kPlants))) return;
  for (std::size_t i = 0; i < std::size(kPlantBoxes); ++i) {
    BoxFor(kPlantBoxes[i])->setText(Localized(kPlants[index].texts[i], numbers_));
  }
  NamePlant();
}

void LoopPage::NamePlant() {
  const QSignalBlocker quiet(plant_);
  for (std::size_t p = 0; p < std::size(kPlants); ++p) {
    bool same = true;
    for (std::size_t i = 0; i < std::size(kPlantBoxes); ++i) {
      same = same && BoxFor(kPlantBoxes[i])->text() == Localized(kPlants[p].texts[i], numbers_);
    }
    if (same) {
      if (plant_->count() > static_cast<int>(std::size(kPlants)))
        plant_->removeItem(plant_->count() - 1);
      plant_->setCurrentIndex(static_cast<int>(p));
      return;
    }
  }
  if (plant_->count() == static_cast<int>(std::size(kPlants))) plant_->addItem(tr("Own values"));
  plant_->setCurrentIndex(plant_->count() - 1);
}

}  // namespace corvale
