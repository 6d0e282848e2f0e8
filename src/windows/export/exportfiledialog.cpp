#include "windows/export/exportfiledialog.h"

#include "foundation/messagesink.h"
#include "windows/common/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ExportFileDialog::ExportFileDialog(QWidget* parent)
    : QFileDialog(parent, QString::fromLatin1(title)) {
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilter(QString::fromLatin1(filter));
    setDefaultSuffix(QString::fromLatin1(extension));
}

std::string ExportFileDialog::choose(QWidget* parent) {
    ExportFileDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return {};
    return QFile::encodeName(files.first()).toStdString();
}

void ExportFileDialog::accept() {
    const QStringList files = selectedFiles();
    if (!files.isEmpty()) {
        const QString folder = QFileInfo(files.first()).absolutePath();
        if (!QDir(folder).exists()) {
            showMessage(missingFolderMessage + toCp1252(QDir::toNativeSeparators(folder)));
            return;
        }
    }
    QFileDialog::accept();
}
