#include "windows/control/progressdialogrunner.h"

#include "windows/common/cp1252.h"
#include "windows/control/tfprogress.h"

#include <QApplication>

bool ProgressDialogRunner::showAndDrive(ClassWithProgressWindow& task, const std::string& title,
                                        bool cancellable, std::int64_t startTick) {
    QWidget* parent = parent_ ? parent_ : QApplication::activeWindow();
    TFprogress window(task, fromCp1252(title), cancellable, startTick, parent);
    window.exec();
    return !window.cancelled;
}
