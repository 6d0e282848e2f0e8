#include "presetbuilder.h"

namespace {

Poi pointOf(Cell cell) {
    return {cell.column * gridUnit, cell.row * gridUnit};
}

} // namespace

PresetBuilder::PresetBuilder(ReactorSession& target) : session(target) {
    session.vReactor.useGrid = true;
}

int PresetBuilder::component(const std::string& name, Cell cell, double concentration) {
    Vreactor& v = system();
    if (!v.addComponent(pointOf(cell))) throw PresetError("no room for component " + name);
    const int i = v.components.last();
    if (v.components[i].name != name && !v.renameComponent(v.components[i].name, name))
        throw PresetError("component name refused: " + name);
    v.components[i].initialConcentration = concentration;
    return i;
}

int PresetBuilder::shortcut(int component, Cell cell) {
    Vreactor& v = system();
    const std::string name = unique(component).name;
    v.createShortcut(component);
    const int i = v.components.last();
    if (i == component || !v.components[i].shortcut) throw PresetError("no shortcut of " + name);
    v.components[i].pos = pointOf(cell).snapped();
    return i;
}

int PresetBuilder::reaction(Cell cell, double rateConstant) {
    Vreactor& v = system();
    if (!v.addReaction(pointOf(cell))) throw PresetError("no room for a reaction");
    const int r = v.reactions.last();
    v.reactions[r].rateConstant = rateConstant;
    return r;
}

int PresetBuilder::reversible(Cell cell, double rateConstant, double rateConstantBack) {
    const int r = reaction(cell, rateConstant);
    system().setMode(r, 2);
    at(r).rateConstantBack = rateConstantBack;
    return r;
}

int PresetBuilder::step(int from, int to, double rateConstant) {
    Vreactor& v = system();
    unique(from);
    v.setConnectSource(from);
    if (!v.connectComponents(to)) throw PresetError("no reaction from " + v.components[from].name);
    const int r = v.reactions.last();
    v.reactions[r].rateConstant = rateConstant;
    return r;
}

int PresetBuilder::equilibrium(int from, int to, double rateConstant, double rateConstantBack) {
    const int r = step(from, to, rateConstant);
    system().setMode(r, 2);
    at(r).rateConstantBack = rateConstantBack;
    return r;
}

void PresetBuilder::enter(int reaction, int component, int order, int side) {
    Vreactor& v = system();
    at(reaction);
    if (component < 0 || component >= v.components.count()) throw PresetError("no such component");
    v.setConnectSource(component);
    if (!v.connect(reaction, order, side))
        throw PresetError("entry refused: " + v.components[component].name);
}

void PresetBuilder::reactant(int reaction, int component, int order) {
    enter(reaction, component, order, -1);
}

void PresetBuilder::product(int reaction, int component, int order) {
    enter(reaction, component, order, 1);
}

void PresetBuilder::align(int reaction, int left, int right) {
    Vreaction& r = at(reaction);
    Reactant* leftEntry = nullptr;
    Reactant* rightEntry = nullptr;
    for (Reactant& e : r.reactants) {
        e.align = false;
        if (e.index == left && e.port == -1) leftEntry = &e;
        if (e.index == right && e.port == 1) rightEntry = &e;
    }
    if (!leftEntry || !rightEntry) throw PresetError("nothing to align to");
    leftEntry->align = rightEntry->align = true;
    r.geometry = Vreaction::aligned;
    // Where the layout puts the centre; a stored copy shows it there at once.
    r.pos = system().components[left].pos.midpoint(system().components[right].pos);
}

void PresetBuilder::orient(int reaction) {
    at(reaction).geometry = Vreaction::movableAdaptive;
}

void PresetBuilder::switches(int reaction, std::initializer_list<double> times) {
    Vreaction& r = at(reaction);
    for (double t : times) {
        ReactionSwitch s;
        s.at = t;
        r.switches.add(s);
    }
}

void PresetBuilder::hold(int component) {
    unique(component).constant = true;
}

void PresetBuilder::hide(int component) {
    unique(component).monitor = false;
}

void PresetBuilder::plotAgainst(int component) {
    Vreactor& v = system();
    unique(component);
    int u = 0;
    for (int k = 0; k < component; ++k)
        if (!v.components[k].shortcut) ++u;
    if (!v.uniqueComponent(u).asX) v.toggleAsX(u);
}

void PresetBuilder::weight(int component, double value) {
    unique(component).weight = value;
}

void PresetBuilder::observe(double globalFactor) {
    session.weightedObservation.active = true;
    session.weightedObservation.globalFactor = globalFactor;
}

void PresetBuilder::axes(double minX, double maxX, double minY, double maxY) {
    KineticsView& v = session.kineticsView;
    v.autoX = v.autoY = false;
    v.minX = minX;
    v.maxX = maxX;
    v.minY = minY;
    v.maxY = maxY;
}

void PresetBuilder::simulate(double time, double timeStep) {
    session.reactor.simulationTime = time;
    session.reactor.timeResolution = timeStep;
}

Vcomponent& PresetBuilder::unique(int component) {
    Vreactor& v = system();
    if (component < 0 || component >= v.components.count() || v.components[component].shortcut)
        throw PresetError("not a unique component");
    return v.components[component];
}

Vreaction& PresetBuilder::at(int reaction) {
    Vreactor& v = system();
    if (reaction < 0 || reaction >= v.reactions.count()) throw PresetError("no such reaction");
    return v.reactions[reaction];
}
