// The local menus of the reaction system window.

#include "foundation/eventreceiver.h"
#include "model/vreactor.h"
#include "session/animation.h"
#include "windows/common/cp1252.h"
#include "windows/common/menufill.h"
#include "windows/reactions/reactiondecisions.h"
#include "windows/reactions/reactionwindowhost.h"
#include "windows/reactions/tfreactions.h"

#include <QActionGroup>
#include <QMenu>

#include <functional>

namespace {

QAction* addItem(QMenu* menu, const char* caption, std::function<void()> handler) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    QObject::connect(action, &QAction::triggered, menu, std::move(handler));
    return action;
}

QAction* addCheckItem(QMenu* menu, const char* caption, bool checked,
                      std::function<void()> handler) {
    QAction* action = addItem(menu, caption, std::move(handler));
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

} // namespace

QMenu* TFreactions::buildLocalMenu() {
    const int i = target.index;
    const bool component = target.isComponent() && i >= 0 && i < system_.components.count();
    const bool reaction = target.isReaction() && i >= 0 && i < system_.reactions.count();
    if (state == WindowState::selectingRegion) return new QMenu(this);
    if (state == WindowState::overObject && component) return componentMenu(i);
    if (state == WindowState::overObject && reaction) return reactionMenu(i);
    if (state == WindowState::overValue && component)
        return target.part == HoverTarget::namePart ? namesMenu(i) : concentrationMenu(i);
    if (state == WindowState::overValue && reaction) {
        if (target.isEntry()) return entryMenu(i, target.entry());
        return rateConstantMenu(i, target.part == HoverTarget::backwardPart);
    }
    auto* menu = new QMenu(this);
    host_.fillGeneralMenu(*menu, pressPoint);
    addDrawingItems(menu);
    return menu;
}

QMenu* TFreactions::componentMenu(int component) {
    auto* menu = new QMenu(this);
    if (system_.components[component].shortcut) {
        addItem(menu, "Delete Shortcut", [this, component] {
            system_.deleteComponent(component);
            record("Delete component shortcut");
        });
        return menu;
    }
    addItem(menu, "Create Shortcut", [this, component] {
        system_.createShortcut(component);
        record("Create component shortcut");
    });
    addItem(menu, "Delete", [this, component] {
        system_.deleteComponent(component);
        record("Delete component");
    });
    return menu;
}

QMenu* TFreactions::reactionMenu(int reaction) {
    auto* menu = new QMenu(this);
    const Vreaction& r = system_.reactions[reaction];
    const int mode = r.active ? (r.activeBack ? 2 : 0) : (r.activeBack ? 1 : 3);
    auto* modes = new QActionGroup(menu);
    const char* captions[] = {"Forward", "Backward", "Reversible", "Inactive"};
    for (int m = 0; m < 4; ++m) {
        QAction* item = addCheckItem(menu, captions[m], m == mode, [this, reaction, m] {
            system_.setMode(reaction, m);
            record("Change reaction mode");
        });
        modes->addAction(item);
    }
    QMenu* geometry = menu->addMenu(QStringLiteral("Arrow Geometry"));
    fillGeometryMenu(geometry, reaction);
    addItem(menu, "Delete", [this, reaction] {
        system_.deleteReaction(reaction);
        record("Delete reaction");
    });
    return menu;
}

void TFreactions::fillGeometryMenu(QMenu* menu, int reaction) {
    const std::vector<AlignPair> pairs = alignPairs(system_, reaction);
    Text_ names;
    names.add("Adaptive");
    names.add("Movable Center, Adaptive Orientation");
    names.add("Movable Center, Horizontal Orientation");
    for (const AlignPair& pair : pairs)
        names.add(pair.caption);
    fillMenuFromList(menu, names, [this, reaction, pairs](int item) {
        applyGeometryItem(system_, reaction, item, pairs);
        broadcast(drawingChanged);
        record("Change arrow geometry");
    });
    const QList<QAction*> items = menu->actions();
    const int checked = checkedGeometryItem(system_, reaction, pairs);
    for (int k = 0; k < items.size(); ++k) {
        items[k]->setCheckable(true);
        items[k]->setChecked(k == checked);
    }
    if (items.size() > 3)
        menu->insertSeparator(items[3]);
    else
        menu->addSeparator();
}

QMenu* TFreactions::namesMenu(int component) {
    auto* menu = new QMenu(this);
    Text_ letters;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        letters.add(std::string(1, letter));
    fillMenuFromList(menu, letters, [this, component](int k) {
        if (component >= system_.components.count()) return;
        const std::string oldName = system_.components[component].name;
        const std::string name(1, static_cast<char>('A' + k));
        if (name != oldName) tryRename(oldName, name);
    });
    return menu;
}

QMenu* TFreactions::concentrationMenu(int component) {
    auto* menu = new QMenu(this);
    Vcomponent& c = system_.components[component];
    addCheckItem(menu, "Constant Concentration Mode", c.constant, [this, component] {
        system_.toggleConstant(component);
        record("Toggle constant concentration");
    });
    addCheckItem(menu, "Animate Initial Concentration", c.animate, [this, component] {
        chooseAnimated(&system_.components[component].initialConcentration);
    });
    addItem(menu, "Animation...", [this] { host_.showAnimationWindow(); });
    return menu;
}

QMenu* TFreactions::rateConstantMenu(int reaction, bool backward) {
    auto* menu = new QMenu(this);
    const Vreaction& r = system_.reactions[reaction];
    addItem(menu, "Reaction Switches...", [this, reaction, backward] {
        host_.editReactionSwitches(reaction, backward);
        broadcast(drawingChanged);
    });
    addCheckItem(menu, "Animate Rate Constant", backward ? r.animateBack : r.animate,
                 [this, reaction, backward] {
                     Vreaction& edited = system_.reactions[reaction];
                     chooseAnimated(backward ? &edited.rateConstantBack : &edited.rateConstant);
                 });
    addItem(menu, "Animation...", [this] { host_.showAnimationWindow(); });
    return menu;
}

QMenu* TFreactions::entryMenu(int reaction, int j) {
    auto* menu = new QMenu(this);
    addItem(menu, "Swap Reaction Side", [this, reaction, j] {
        if (system_.swapSide(reaction, j)) record("Swap reaction side");
    });
    addItem(menu, "Delete From Reaction", [this, reaction, j] {
        system_.deleteReactant(reaction, j);
        record("Delete reaction reactant");
    });
    return menu;
}

void TFreactions::chooseAnimated(double* parameter) {
    animation_.setAnimated(parameter);
    host_.animatedParameterChosen();
    record("Switch parameter animation");
}
