#include "model/vreactor.h"

#include "foundation/messagesink.h"

Vreactor::Vreactor() : components(0, 16, true), reactions(0, 16, true) {}

void Vreactor::exchange() {
    exchangeBool("use grid", useGrid);
    exchangeBool("show grid", showGrid);
    exchangeList("component", components);
    exchangeList("reaction", reactions);
}

void Vreactor::receive(int) {}

int Vreactor::uniqueComponentCount() const {
    int n = 0;
    for (const Vcomponent& c : components)
        if (!c.shortcut) ++n;
    return n;
}

Vcomponent& Vreactor::uniqueComponent(int i) {
    int n = 0;
    for (Vcomponent& c : components) {
        if (c.shortcut) continue;
        if (n == i) return c;
        ++n;
    }
    showMessage("Unique component not found!");
    return components.at(0);
}

int Vreactor::uniqueIndexOf(const std::string& name) const {
    int n = 0;
    for (const Vcomponent& c : components) {
        if (c.shortcut) continue;
        if (c.name == name) return n;
        ++n;
    }
    showMessage("Unique index of component named '" + name + "' not found!");
    return -1;
}
