#include "window/chart/chart_copy.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace corvale {

QMimeData* DrawingMimeData(const std::function<void(QPainter&)>& draw, QSize size,
                           const QString& title, const QString& description) {
  auto* data = new QMimeData;
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    draw(painter);
  }
  QByteArray png;
  QBuffer pngBuffer(&png);
  pngBuffer.open(QIODevice::WriteOnly);
  image.save(&pngBuffer, "PNG");
  data->setData(QStringLiteral("image/png"), png);

  QByteArray svg;
  QBuffer svgBuffer(&svg);
  QSvgGenerator generator;
  generator.setOutputDevice(&svgBuffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle(title);
  generator.setDescription(description);
  {
    QPainter painter(&generator);
    draw(painter);
  }
  data->setData(QStringLiteral("image/svg+xml"), svg);
  return data;
}

}  // namespace corvale
