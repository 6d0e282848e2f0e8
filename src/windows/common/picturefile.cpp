#include "windows/common/picturefile.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

PictureFormat pictureFormatOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("svg")) return PictureFormat::svg;
    if (suffix == QLatin1String("pdf")) return PictureFormat::pdf;
    return PictureFormat::png;
}

QString pictureFileFilter() {
    return QStringLiteral("PNG Image (*.png);;SVG Drawing (*.svg);;PDF Document (*.pdf)");
}

QImage paintedImage(QSize size, const PicturePainter& paint) {
    QImage image(size, QImage::Format_RGB32);
    if (!image.isNull()) {
        image.fill(Qt::white);
        paint(image);
    }
    return image;
}

namespace {

bool writeSvg(QSaveFile& file, QSize size, const PicturePainter& paint, const QString& title) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    // Pixels of the screen: 96 per inch, so the drawing keeps its size.
    svg.setResolution(96);
    svg.setTitle(title);
    paint(svg);
    return true;
}

bool writePdf(QSaveFile& file, QSize size, const PicturePainter& paint, const QString& title) {
    QPdfWriter pdf(&file);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Velumbra"));
    // One point a pixel: the page is the picture, with no margin.
    pdf.setResolution(72);
    const QPageSize page(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch);
    if (!pdf.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()))) return false;
    paint(pdf);
    return true;
}

} // namespace

bool writePicture(const QString& fileName, QSize size, const PicturePainter& paint,
                  const QString& title) {
    if (size.isEmpty()) return false;
    // Written beside the target and renamed over it: a failed write leaves any
    // earlier picture as it was.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    bool painted = false;
    switch (pictureFormatOf(fileName)) {
    case PictureFormat::svg:
        painted = writeSvg(file, size, paint, title);
        break;
    case PictureFormat::pdf:
        painted = writePdf(file, size, paint, title);
        break;
    case PictureFormat::png: {
        const QImage image = paintedImage(size, paint);
        painted = !image.isNull() && image.save(&file, "PNG");
        break;
    }
    }
    if (!painted) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
