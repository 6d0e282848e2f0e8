#include "presetbuilder.h"

#include "fitting/modelsampler.h"

#include <cmath>
#include <random>

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

void PresetBuilder::measure(const std::vector<std::string>& columns, int rows, double noise,
                            unsigned seed) {
    if (rows < 2) throw PresetError("too few measured rows");
    Measurements& m = session.measurements;
    m.clear();
    m.names = columns;
    const double end = session.reactor.simulationTime;
    for (int r = 0; r < rows; ++r)
        m.times.push_back(end * r / (rows - 1));
    m.values.assign(columns.size(), std::vector<double>(m.times.size(), 0.0));
    const WeightedObservation& w = session.weightedObservation;
    ModelSampler sampler(session.vReactor, session.reactor.timeResolution, end,
                         {w.active, w.differential, w.globalFactor}, m);
    if (sampler.pointCount() != static_cast<int>(columns.size()) * rows)
        throw PresetError("a measured column names nothing to compute");
    std::vector<double> model(static_cast<size_t>(sampler.pointCount()));
    if (!sampler.modelValues(model.data())) throw PresetError("the calculation refused to run");
    // The sum of twelve uniform numbers less six is nearly normal and, unlike
    // the library's distributions, gives the same numbers everywhere.
    std::mt19937 random(seed);
    const auto normal = [&random] {
        double sum = 0;
        for (int i = 0; i < 12; ++i)
            sum += static_cast<double>(random()) / 4294967296.0;
        return sum - 6;
    };
    size_t k = 0;
    for (size_t r = 0; r < m.times.size(); ++r)
        for (size_t c = 0; c < columns.size(); ++c) {
            // Rounded as a laboratory would record them.
            const double v = model[k++] + noise * normal();
            m.values[c][r] = std::round(v * 1e5) / 1e5;
        }
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
