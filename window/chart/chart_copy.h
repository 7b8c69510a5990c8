#pragma once

#include <QMimeData>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;

namespace corvale {

// A drawing for the clipboard as an image, PNG and SVG, drawn by `draw` at
// `size`, as a word processor or a presentation pastes it. The SVG carries
// `title` and `description`, which a screen reader may read there.
QMimeData* DrawingMimeData(const std::function<void(QPainter&)>& draw, QSize size,
                           const QString& title, const QString& description);

}  // namespace corvale
