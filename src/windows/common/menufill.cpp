#include "windows/common/menufill.h"

#include "windows/common/cp1252.h"

#include <QAction>
#include <QMenu>

void fillMenuFromList(QMenu* menu, const Text_& names, const std::function<void(int)>& handler) {
    menu->clear();
    for (int i = 0; i < names.count(); ++i) {
        // A file name with "&" would otherwise lose it to a shortcut mark.
        QString caption = fromCp1252(names[i]);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = menu->addAction(caption);
        action->setData(i);
        QObject::connect(action, &QAction::triggered, menu, [handler, i] {
            if (handler) handler(i);
        });
    }
}
