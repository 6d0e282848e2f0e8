#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Runs action on the modal dialog of type Dialog once its loop runs. When the
// active modal window is something else, the test fails and that window is
// closed, so that a test cannot hang on an unexpected dialog.
template <typename Dialog> void whenModal(std::function<void(Dialog&)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<Dialog*>(modal)) {
            action(*dialog);
            return;
        }
        ADD_FAILURE() << "expected modal " << Dialog::staticMetaObject.className() << ", found "
                      << (modal ? modal->metaObject()->className() : "none");
        if (auto* other = qobject_cast<QDialog*>(modal)) other->done(QDialog::Rejected);
    });
}

// While it lives, any modal window that shows up fails the test and is
// closed: for commands that must not ask anything.
class NoModalGuard {
public:
    NoModalGuard() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "unexpected modal " << other->metaObject()->className() << ": "
                              << other->windowTitle().toStdString();
                other->done(QDialog::Rejected);
            }
        });
        timer_.start();
    }

private:
    QTimer timer_;
};
