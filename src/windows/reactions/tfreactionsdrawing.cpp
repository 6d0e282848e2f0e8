// The reaction system window's drawing as a file or on the clipboard.

#include "foundation/messagesink.h"
#include "model/vreactor.h"
#include "windows/common/cp1252.h"
#include "windows/common/picturefile.h"
#include "windows/reactions/drawingpicture.h"
#include "windows/reactions/tfreactions.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>

bool TFreactions::saveDrawing(const QString& fileName) {
    const QRect area = drawingPictureArea(system_);
    return writePicture(
        fileName, area.size(),
        [&](QPaintDevice& device) { paintDrawingPicture(device, renderer_, system_, area); },
        QString::fromLatin1(baseCaption));
}

void TFreactions::copyDrawing() {
    const QRect area = drawingPictureArea(system_);
    QGuiApplication::clipboard()->setImage(paintedImage(area.size(), [&](QPaintDevice& device) {
        paintDrawingPicture(device, renderer_, system_, area);
    }));
}

void TFreactions::addDrawingItems(QMenu* menu) {
    menu->addSeparator();
    connect(menu->addAction(QStringLiteral("Save Drawing...")), &QAction::triggered, this,
            [this] { saveDrawingAs(); });
    connect(menu->addAction(QStringLiteral("Copy Drawing")), &QAction::triggered, this,
            [this] { copyDrawing(); });
}

void TFreactions::saveDrawingAs() {
    QString fileName = chooseDrawingFile
                           ? chooseDrawingFile()
                           : QFileDialog::getSaveFileName(this, QStringLiteral("Save Drawing"),
                                                          QString(), pictureFileFilter());
    if (fileName.isEmpty()) return;
    if (QFileInfo(fileName).suffix().isEmpty()) fileName += QStringLiteral(".png");
    if (!saveDrawing(fileName)) showMessage("Failed to save drawing: " + toCp1252(fileName));
}
