#include "app/helpfiles.h"

#include <QDesktopServices>
#include <QDir>

namespace {

QString helpFile(const QString& programDirectory, const QString& title, const char* suffix) {
    const QString inFolder =
        QLatin1String(helpFolderName) + QLatin1Char('/') + title + QLatin1String(suffix);
    QString folder = QDir::fromNativeSeparators(programDirectory);
    if (folder.isEmpty()) return inFolder;
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder + inFolder;
}

} // namespace

QString quickStartFile(const QString& programDirectory, const QString& title) {
    return helpFile(programDirectory, title, quickStartSuffix);
}

QString usersGuideFile(const QString& programDirectory, const QString& title) {
    return helpFile(programDirectory, title, usersGuideSuffix);
}

QUrl quickStartUrl(const QString& programDirectory, const QString& title) {
    return QUrl::fromLocalFile(quickStartFile(programDirectory, title));
}

QUrl usersGuideUrl(const QString& programDirectory, const QString& title) {
    return QUrl::fromLocalFile(usersGuideFile(programDirectory, title));
}

QUrl homePageUrl(const QString& word) {
    return QUrl(QLatin1String(homePagePrefix) + word + QLatin1String(homePageSuffix));
}

bool openInViewer(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
