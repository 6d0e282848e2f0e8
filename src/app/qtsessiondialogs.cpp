#include "app/qtsessiondialogs.h"

#include "app/applicationtitle.h"
#include "app/programdirectory.h"
#include "session/reactorsession.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

QFileDialog* sessionFileDialog(QWidget* parent, const QString& title,
                               const std::string& directory) {
    auto* dialog = new QFileDialog(parent, title, fromFileName(directory));
    const QString extension = QString::fromLatin1(ReactorSession::extension);
    dialog->setDefaultSuffix(extension);
    dialog->setNameFilter(
        QStringLiteral("%1 Session (*.%2)").arg(QString::fromLatin1(applicationTitle), extension));
    return dialog;
}

QFileDialog* saveSessionDialog(QWidget* parent, const std::string& directory) {
    QFileDialog* dialog = sessionFileDialog(parent, QStringLiteral("Save Session"), directory);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    return dialog;
}

std::string chosenFile(QFileDialog* dialog) {
    if (dialog->exec() != QDialog::Accepted) return {};
    const QStringList files = dialog->selectedFiles();
    return files.isEmpty() ? std::string() : toFileName(files.first());
}

} // namespace

QtSessionDialogs::QtSessionDialogs(QWidget* mainWindow, const std::string& initialDirectory)
    : openDialog(sessionFileDialog(mainWindow, QStringLiteral("Open Session"), initialDirectory)),
      saveDialog(saveSessionDialog(mainWindow, initialDirectory)), window_(mainWindow) {
    openDialog->setFileMode(QFileDialog::ExistingFile);
    openDialog->setAcceptMode(QFileDialog::AcceptOpen);
}

SessionDialogs::Answer QtSessionDialogs::ask(const std::string& question) {
    // The question names the session's file, in the file system's encoding.
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(applicationTitle),
                    fromFileName(question),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window_);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::yes;
    case QMessageBox::No:
        return Answer::no;
    default:
        return Answer::cancel;
    }
}

std::string QtSessionDialogs::chooseOpenFile() {
    return chosenFile(openDialog);
}

std::string QtSessionDialogs::chooseSaveFile(const std::string& proposed) {
    if (proposed.empty()) {
        // selectFile("") leaves the last chosen name in place, and Enter would
        // then ask to replace that file: only a new dialog starts empty. It
        // opens where the last one was.
        const std::string folder = toFileName(saveDialog->directory().absolutePath());
        delete saveDialog;
        saveDialog = saveSessionDialog(window_, folder);
    }
    saveDialog->selectFile(fromFileName(proposed));
    return chosenFile(saveDialog);
}

void QtSessionDialogs::setCaption(const std::string& text) {
    window_->setWindowTitle(fromFileName(mainWindowCaption(text)));
}
