// The controller's terms in panels of their own, chosen from the menu or by
// T on the series the cursor reads.
#include <algorithm>

#include "labbook/run_series.h"
#include "window/chart/chart_terms.h"
#include "window/chart/response_chart.h"
#include "window/sound/chart_sound.h"

namespace corvale {

void ResponseChart::ShowTermPanel(Term term, bool shown) {
  const auto at = std::find(terms_.begin(), terms_.end(), term);
  if (shown == (at != terms_.end())) return;
  if (shown) {
    terms_.insert(std::upper_bound(terms_.begin(), terms_.end(), term), term);
  } else {
    terms_.erase(at);
  }
  update();
}

void ResponseChart::ToggleTermPanel() {
  const std::optional<Term> term = TermOf(series_.kind);
  if (!term) {
    Sound().Say(tr("Choose Error, P, I or D with Up and Down, then T draws it in a panel."));
    return;
  }
  const bool shown = std::find(terms_.begin(), terms_.end(), *term) == terms_.end();
  ShowTermPanel(*term, shown);
  const QString name = ChartTerms::Name(*term);
  Sound().Say(shown ? tr("%1 drawn in a panel of its own.").arg(name)
                    : tr("%1's panel hidden.").arg(name));
}

}  // namespace corvale
