#pragma once

#include <QSize>
#include <QString>

#include <functional>

class QImage;
class QPaintDevice;

// Pictures of the plot and the drawing as files: a bitmap (PNG) or real
// vectors, curves as paths and text as text (SVG, PDF).
enum class PictureFormat { png, svg, pdf };

// By the file name's suffix, in any letter case; anything else is PNG.
PictureFormat pictureFormatOf(const QString& fileName);

// The file dialog's filter list offering the three types, PNG first.
QString pictureFileFilter();

// Paints `size` pixels (points in a PDF, user units in an SVG) through
// `paint` and writes them in the file's format. The file is replaced only
// once the new content is complete; false when it cannot be written.
using PicturePainter = std::function<void(QPaintDevice& device)>;
bool writePicture(const QString& fileName, QSize size, const PicturePainter& paint,
                  const QString& title);

// The same painting as a bitmap, for the clipboard.
QImage paintedImage(QSize size, const PicturePainter& paint);
