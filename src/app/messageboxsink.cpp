#include "app/messageboxsink.h"

#include "app/applicationtitle.h"
#include "windows/common/cp1252.h"

#include <QApplication>
#include <QMessageBox>

MessageBoxSink::MessageBoxSink() : previous_(installMessageSink(this)) {}

MessageBoxSink::~MessageBoxSink() {
    installMessageSink(previous_);
}

void MessageBoxSink::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(applicationTitle), fromCp1252(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
