#include "window/chart/chart_terms.h"

#include <algorithm>

#include "window/chart/chart_series.h"
#include "window/words/contexts.h"

namespace corvale {

ChartTerms::ChartTerms(const LabBook& book, const ChartFrame& frame,
                       const std::vector<std::size_t>& looks, TermColumns* cache)
    : book_(book), frame_(frame), looks_(looks), cache_(cache ? cache : &own_) {
  const ColumnSplit split = frame.Split();
  const std::size_t rows = frame.RowsOnAxis(book.Current().Size());
  const double begin = frame.steps.Scale().low - 1, end = frame.steps.Scale().high - 1;
  TermColumns& c = *cache_;
  if (c.revision != book.Revision() || c.rows != rows || c.begin != begin || c.end != end ||
      c.columns != split.Columns())
    c = {book.Revision(), rows, begin, end, split.Columns(), {}, {}};
}

std::vector<std::pair<Term, ValueRange>> ChartTerms::Extents(const LabBook& book,
                                                             const std::vector<Term>& terms,
                                                             double lastStep, std::size_t columns) {
  std::vector<std::pair<Term, ValueRange>> extents;
  const std::size_t last = lastStep >= 1 ? static_cast<std::size_t>(lastStep) : 0;
  const std::size_t rows = std::min(book.Current().Size(), last);
  const TermRange current = rows > 0 ? book.CurrentTerms(0, rows) : TermRange{};
  for (const Term term : terms) {
    const auto t = static_cast<std::size_t>(term);
    ValueRange range;  // 0 to begin with
    range.Take(current[t]);
    for (const KeptRun& kept : book.Kept()) {
      const std::size_t keptRows = std::min(kept.terms[t].Size(), last);
      if (keptRows == 0) continue;
      range.Take(
          kept.terms[t].Range(0, keptRows, keptRows / std::max<std::size_t>(columns, 1) / 2));
    }
    extents.emplace_back(term, range);
  }
  return extents;
}

QString ChartTerms::Name(Term term) {
  switch (term) {
    case Term::Error:
      return ChartWords::tr("Error");
    case Term::P:
      return QStringLiteral("P");
    case Term::I:
      return QStringLiteral("I");
    case Term::D:
      return QStringLiteral("D");
  }
  return {};
}

const std::vector<ColumnRange>& ChartTerms::Columns(Term term) const {
  const auto t = static_cast<std::size_t>(term);
  TermColumns& c = *cache_;
  if (!c.made[t]) {
    c.terms[t] = Decimate(
        frame_.Split(), c.rows,
        [this, t](std::size_t a, std::size_t b) { return book_.CurrentTerms(a, b)[t]; },
        Decimation::kAlone);
    c.made[t] = true;
  }
  return c.terms[t];
}

void ChartTerms::Draw(QPainter& painter, ChartReport& report) const {
  const ResponseTrace& trace = book_.Current();
  const std::size_t slack = KeptSlack(frame_.Split());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  for (const TermPanel& panel : frame_.terms) {
    const auto t = static_cast<std::size_t>(panel.term);
    const QString name = Name(panel.term);
    painter.setClipRect(panel.rect.adjusted(0, -1, 0, 1));
    const auto& kept = book_.Kept();
    for (std::size_t i = 0; i < kept.size(); ++i) {
      bool decimated = false;
      const QPolygonF path =
          SeriesPath(frame_, panel.values, KeptSource(kept[i].terms[t], slack), &decimated);
      const std::size_t look = i < looks_.size() ? looks_[i] : i;
      QPen pen = frame_.style.Kept(look);
      if (decimated) pen.setStyle(Qt::SolidLine);
      painter.setPen(pen);
      painter.drawPolyline(path);
      report.paths.push_back(
          {QStringLiteral("kept %1 %2").arg(i).arg(name), path, decimated, look});
    }
    const SeriesSource source{
        trace.Size(), [&trace, t](std::size_t r) { return TermsOf(trace.Record(r))[t]; },
        [this, t](std::size_t a, std::size_t b) { return book_.CurrentTerms(a, b)[t]; }};
    const bool decimated = Decimated(frame_, trace.Size());
    const QPolygonF path = decimated
                               ? DecimatedPath(frame_, panel.values, source, Columns(panel.term))
                               : SeriesPath(frame_, panel.values, source);
    painter.setPen(frame_.style.pv);
    painter.drawPolyline(path);
    report.paths.push_back({name, path, decimated});
  }
  painter.setClipping(false);
}

}  // namespace corvale
