#include "app/tfmain.h"
#include "foundation/numberformat.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Numbers on screen and in files follow the user's decimal convention;
    // the reader accepts either separator.
    const QString separator = QLocale().decimalPoint();
    decimalSeparator = separator.size() == 1 ? separator.at(0).toLatin1() : '.';
    if (decimalSeparator == 0) decimalSeparator = '.';

    TFmain mainWindow;
    mainWindow.showMaximized();
    return application.exec();
}
