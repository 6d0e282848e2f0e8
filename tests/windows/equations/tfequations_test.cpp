#include "windows/equations/tfequations.h"

#include "model/equationsdocument.h"
#include "model/equationslatex.h"
#include "session/preferences.h"
#include "support/reactorfixture.h"
#include "support/recordingundo.h"
#include "support/tempdir.h"
#include "windows/common/cp1252.h"
#include "windows/equations/equationslook.h"
#include "windows/windowtest.h"

#include <QClipboard>

#include <functional>

namespace {

// A ⇌ B -> C with 2A, and a component D in no reaction.
class TFequationsTest : public ReactorFixture {
protected:
    TFequationsTest() : preferences(folder.path()), window(reactor, preferences, undo) {
        const int a = component({56, 56}), b = component({168, 56}), c = component({280, 56});
        component({392, 56});
        const int r1 = reaction({112, 56}), r2 = reaction({224, 56});
        connect(a, r1, -1, 2);
        connect(b, r1, 1);
        reactor.setMode(r1, 2);
        connect(b, r2, -1);
        connect(c, r2, 1);
        log.events.clear();
        preferences.equationsStyle = Preferences::equationsClean;
        window.resize(360, 500);
    }

    void click(QPoint p) { QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, p); }

    // Each reaction as its component names on the left and on the right.
    Labels scheme() const {
        Labels result;
        for (const Vreaction& r : reactor.reactions) {
            std::string text;
            for (const Reactant& e : r.reactants)
                text += (e.port < 0 ? "" : ">") + reactor.components[e.index].name;
            result.push_back(text);
        }
        return result;
    }

    TempDir folder;
    Preferences preferences;
    RecordingUndo undo;
    TFequations window;
};

TEST_F(TFequationsTest, SortArrowsExchangeReactionsAndComponents) {
    window.show();
    window.rebuild(true);
    click(QPoint(17, 23)); // where the first reaction's down arrow would be
    window.sortMode = true;
    window.rebuild(false);
    ASSERT_EQ(window.arrows.reactionUp.count(), 2);
    click(window.arrows.reactionUp[0].center());   // the first cannot move up
    click(window.arrows.reactionDown[1].center()); // nor the last down
    EXPECT_TRUE(undo.labels.empty() && log.events.empty());
    click(window.arrows.reactionDown[0].center());
    EXPECT_EQ(scheme(), (Labels{"B>C", "A>B"}));
    EXPECT_TRUE(reactor.reactions[1].activeBack);

    preferences.displayReactionScheme = false;
    window.rebuild(true);
    ASSERT_EQ(window.arrows.componentUp.count(), 4);
    click(window.arrows.componentDown[0].center());
    click(window.arrows.componentUp[3].center());
    std::string order;
    for (int i = 0; i < 4; ++i)
        order += reactor.uniqueComponent(i).name;
    EXPECT_EQ(order, "BADC");
    EXPECT_EQ(scheme(), (Labels{"B>C", "A>B"})) << "the reactions keep their components";
    EXPECT_EQ(undo.labels, (Labels{"Sort reactions", "Sort components", "Sort components"}));
    EXPECT_EQ(undo.merged, 3);
    EXPECT_EQ(log.events, std::vector<int>(3, systemChanged));
}

TEST_F(TFequationsTest, CopyEquationsPutsReadableTextOnTheClipboard) {
    reactor.reactions[0].animate = true;
    QMenu* menu = window.findChild<QMenu*>();
    ASSERT_TRUE(menu && menu->actions().count() == 2);
    EXPECT_EQ(menu->actions()[1]->text(), "Copy Equations as LaTeX");
    menu->actions()[1]->trigger();
    EXPECT_EQ(toCp1252(QApplication::clipboard()->text()), latexEquations(reactor, {true, true}));
    menu->actions()[0]->trigger();
    EXPECT_EQ(toCp1252(QApplication::clipboard()->text()),
              readableEquations(generateEquations(reactor, {true, true})));
}

// The image is typeset again only when something it shows changed: the text,
// the look or the size.
TEST_F(TFequationsTest, ImageKeptWhileTextAndLookStayTheSame) {
    window.show();
    window.rebuild(true);
    double& k = reactor.reactions[0].rateConstant;
    const struct {
        const char* change;
        std::function<void()> apply;
        bool typesetAgain;
    } cases[] = {
        {"nothing", [] {}, false},
        {"a rate constant's shown digits", [&] { k = 1.5; }, true},
        {"the same value again", [&] { k = 1.5; }, false},
        {"a digit below the shown precision", [&] { k = 1.50001; }, false},
        {"the style", [&] { preferences.equationsStyle = Preferences::equationsNotebook; }, true},
        {"sort mode", [&] { window.sortMode = true; }, true},
        {"the size", [&] { window.resize(300, 500); }, true},
    };
    for (const auto& c : cases) {
        const qint64 before = window.image().cacheKey();
        c.apply();
        window.rebuild(false);
        EXPECT_EQ(window.image().cacheKey() != before, c.typesetAgain) << c.change;
    }
}

} // namespace
