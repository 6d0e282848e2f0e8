#include "app/messageboxsink.h"
#include "app/programdirectory.h"
#include "app/tfmain.h"
#include "foundation/numberformat.h"
#include "session/program.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>

#include <filesystem>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Numbers on screen and in files follow the user's decimal convention;
    // the reader accepts either separator.
    const QString separator = QLocale().decimalPoint();
    decimalSeparator = separator.size() == 1 ? separator.at(0).toLatin1() : '.';
    if (decimalSeparator == 0) decimalSeparator = '.';

    MessageBoxSink messages;
    // Reads the preferences and the recent files; writes them back when it
    // ends, after the windows are gone.
    const std::string directory = programDirectory();
    Program program(directory, settingsDirectory(directory));
    TFmain mainWindow(program);
    // "velumbra FILE.vsn", as the desktop starts it for a session file; Qt has
    // taken its own options out of argv by now.
    if (argc > 1 && argv[1][0] != '\0') {
        std::error_code error;
        const std::filesystem::path file = std::filesystem::absolute(argv[1], error);
        mainWindow.startFile = error ? std::string(argv[1]) : file.string();
    }
    // Without a window manager nothing maximises the window: it is given the
    // screen's working area itself.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        mainWindow.setGeometry(screen->availableGeometry());
    mainWindow.showMaximized();
    return application.exec();
}
