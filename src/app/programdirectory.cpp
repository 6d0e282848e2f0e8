#include "app/programdirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

std::string programDirectory() {
    return toFileName(QCoreApplication::applicationDirPath());
}

QString settingsDirectoryFor(const QString& programDirectory, const QString& fallback) {
    if (canCreateFilesIn(programDirectory)) return programDirectory;
    // When even this fails, saving the settings reports it.
    QDir().mkpath(fallback);
    return fallback;
}

std::string settingsDirectory(const std::string& programDirectory) {
    return toFileName(
        settingsDirectoryFor(fromFileName(programDirectory),
                             QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
}

bool canCreateFilesIn(const QString& directory) {
    if (directory.isEmpty()) return false;
    // Removed again when it goes out of scope.
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral(".write-probe-XXXXXX")));
    return probe.open();
}

std::string toFileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString fromFileName(const std::string& fileName) {
    return QFile::decodeName(QByteArray::fromStdString(fileName));
}
