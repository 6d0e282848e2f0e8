#include "app/programdirectory.h"

#include <QCoreApplication>
#include <QFile>

std::string programDirectory() {
    return toFileName(QCoreApplication::applicationDirPath());
}

std::string toFileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString fromFileName(const std::string& fileName) {
    return QFile::decodeName(QByteArray::fromStdString(fileName));
}
