#include "windows/common/menufill.h"
#include "windows/windowtest.h"

TEST(FillMenuFromList, ReplacesTheItemsAndReportsThePositionClicked) {
    QMenu menu;
    menu.addAction(QStringLiteral("stale"));
    Text_ names;
    names.add("First");
    names.add("Fire & Caf\xe9");
    int clicked = -1;
    fillMenuFromList(&menu, names, [&](int position) { clicked = position; });
    const QList<QAction*> actions = menu.actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[1]->text(), QString::fromUtf8("Fire && Caf\u00e9"));
    EXPECT_EQ(actions[1]->data().toInt(), 1);
    actions[1]->trigger();
    EXPECT_EQ(clicked, 1);
}
