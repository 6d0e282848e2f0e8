#pragma once

#include <QString>
#include <QUrl>

// The two help documents in the "Help" folder beside the program, and the
// product's home page; all are handed to the desktop's default viewer.

inline constexpr const char* helpFolderName = "Help";
inline constexpr const char* quickStartSuffix = " - Quick Start.html";
inline constexpr const char* usersGuideSuffix = " - User's Guide.html";

// The home page address is the prefix, the product word and the suffix.
inline constexpr const char* homePagePrefix = "https://";
inline constexpr const char* homePageSuffix = ".example.org/";
inline constexpr const char* homePageWord = "velumbra";

// The documents' paths: the program's directory (with or without a trailing
// separator; empty for the current directory), "Help/", the title and the
// document's suffix. The files need not exist.
QString quickStartFile(const QString& programDirectory, const QString& title);
QString usersGuideFile(const QString& programDirectory, const QString& title);

// The same documents as addresses for the viewer.
QUrl quickStartUrl(const QString& programDirectory, const QString& title);
QUrl usersGuideUrl(const QString& programDirectory, const QString& title);
QUrl homePageUrl(const QString& word);

// What the user is told when a help document is not there, or when no
// viewer took a document or address; the file or address follows.
inline constexpr const char* helpMissingMessage = "The help file is missing: ";
inline constexpr const char* viewerFailedMessage = "No viewer could be started for ";

// Hands a document or an address to the default viewer; false when no viewer
// could be started.
bool openInViewer(const QUrl& url);
