// Writes the program's logo as the desktop's icons, one picture per icon
// size: DIRECTORY/hicolor/<side>x<side>/apps/velumbra.png.
// Usage: velumbra-makeicons DIRECTORY
#include "app/logo.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "Usage: velumbra-makeicons DIRECTORY\n";
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    for (int side : logoIconSides) {
        const QString size = QString::number(side);
        const QString folder = directory + "/hicolor/" + size + "x" + size + "/apps";
        const QString file = folder + QStringLiteral("/velumbra.png");
        if (!QDir().mkpath(folder) || !makeLogo(side).save(file, "PNG")) {
            std::cerr << "Failed to write " << file.toLocal8Bit().constData() << '\n';
            return 1;
        }
    }
    return 0;
}
