#include "model/vreactor.h"

#include "foundation/messagesink.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

Vreactor::Vreactor() : components(0, 16, true), reactions(0, 16, true) {}

void Vreactor::exchange() {
    exchangeBool("use grid", useGrid);
    exchangeBool("show grid", showGrid);
    exchangeList("component", components);
    exchangeList("reaction", reactions);
}

void Vreactor::receive(int event) {
    if (event == sessionReplaced) {
        // Shortcuts do not store their colour.
        std::unordered_map<std::string, std::int32_t> colors;
        for (const Vcomponent& c : components)
            if (!c.shortcut) colors.try_emplace(c.name, c.color);
        for (Vcomponent& c : components) {
            if (!c.shortcut) continue;
            if (auto it = colors.find(c.name); it != colors.end()) c.color = it->second;
        }
    }
    switch (event) {
    case sessionReplaced:
    case systemChanged:
    case namesChanged:
    case drawingChanged:
    case preferencesChanged:
        layout();
        break;
    default:
        break;
    }
}

const ModelSettings& Vreactor::modelSettings() const {
    static const ModelSettings defaults;
    return settings ? *settings.get() : defaults;
}

void Vreactor::layout() {
    const ModelSettings& s = modelSettings();
    for (Vcomponent& c : components)
        c.layout(measurer.get(), s);
    for (Vreaction& r : reactions)
        r.layout(components, measurer.get(), s);
    extentValid = false;
}

void Vreactor::clearLayout() {
    for (Vreaction& r : reactions) {
        r.branches.clear();
        r.branchEnds.clear();
        r.branchStarts.clear();
        r.orderPoints.clear();
    }
    extentValid = false;
}

// --- Queries ---

int Vreactor::uniqueComponentCount() const {
    int n = 0;
    for (const Vcomponent& c : components)
        if (!c.shortcut) ++n;
    return n;
}

int Vreactor::objectOfUnique(int u) const {
    int n = 0;
    for (int i = 0; i < components.count(); ++i) {
        if (components[i].shortcut) continue;
        if (n == u) return i;
        ++n;
    }
    return -1;
}

Vcomponent& Vreactor::uniqueComponent(int i) {
    return const_cast<Vcomponent&>(std::as_const(*this).uniqueComponent(i));
}

const Vcomponent& Vreactor::uniqueComponent(int i) const {
    const int object = objectOfUnique(i);
    if (object >= 0) return components[object];
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

bool Vreactor::componentNameExists(const std::string& name) const {
    return std::any_of(components.begin(), components.end(),
                       [&](const Vcomponent& c) { return c.name == name; });
}

int Vreactor::asXIndex() const {
    int n = 0;
    for (const Vcomponent& c : components) {
        if (c.shortcut) continue;
        if (c.asX) return n;
        ++n;
    }
    return -1;
}

bool Vreactor::nothingSelected() const {
    return !std::any_of(components.begin(), components.end(), [](const Vcomponent& c) {
        return c.selected;
    }) && !std::any_of(reactions.begin(), reactions.end(), [](const Vreaction& r) {
        return r.selected;
    });
}

bool Vreactor::firstSelectedComponent() const {
    for (int i = 0; i < components.count(); ++i)
        if (components.at(i).selected) return true;
    return false;
}

bool Vreactor::firstSelectedReaction() const {
    for (int i = 0; i < reactions.count(); ++i)
        if (reactions.at(i).selected) return true;
    return false;
}

bool Vreactor::selectedReactionsHaveSwitches() const {
    return std::any_of(reactions.begin(), reactions.end(), [](const Vreaction& r) {
        return r.selected && (!r.switches.empty() || !r.switchesBack.empty());
    });
}

int Vreactor::orderSum(int reaction, int side) const {
    if (!validReaction(reaction)) return 0;
    long long sum = 0;
    for (const Reactant& r : reactions[reaction].reactants)
        if ((side < 0 && r.port <= 0) || (side > 0 && r.port >= 0)) sum += r.order;
    return static_cast<int>(std::clamp<long long>(sum, INT_MIN, INT_MAX));
}

const std::string* Vreactor::entryName(const Reactant& r) const {
    return validComponent(r.index) ? &components[r.index].name : nullptr;
}

bool Vreactor::isOnSide(int reaction, const std::string& name, int side) const {
    if (!validReaction(reaction)) return false;
    for (const Reactant& r : reactions[reaction].reactants) {
        const std::string* entry = entryName(r);
        if (r.port == side && entry && *entry == name) return true;
    }
    return false;
}

Poi_Extent Vreactor::extent() const {
    if (!extentValid) {
        extentCache = Poi_Extent();
        for (const Vcomponent& c : components)
            extentCache.add(c.extent());
        for (const Vreaction& r : reactions)
            extentCache.add(r.extent());
        extentValid = true;
    }
    return extentCache;
}

Poi_Extent Vreactor::selectionExtent() const {
    Poi_Extent box;
    for (const Vcomponent& c : components)
        if (c.selected) box.add(c.extent());
    for (const Vreaction& r : reactions) {
        bool include = r.selected;
        for (int j = 0; j < r.reactants.count() && !include; ++j) {
            const int index = r.reactants[j].index;
            include = validComponent(index) && components[index].selected;
        }
        if (include) box.add(r.extent());
    }
    return box;
}

Vreactor::NameCheck Vreactor::checkName(const std::string& name) const {
    if (name.empty()) return NameCheck::empty;
    for (char ch : name)
        if (ch == '<' || ch == '>' || static_cast<unsigned char>(ch) < ' ')
            return NameCheck::forbiddenCharacter;
    if (componentNameExists(name)) return NameCheck::taken;
    return NameCheck::valid;
}

// --- Selection ---

void Vreactor::selectAll() {
    for (Vcomponent& c : components)
        c.selected = true;
    for (Vreaction& r : reactions)
        r.selected = true;
    broadcast(drawingChanged);
}

void Vreactor::invertSelection() {
    for (Vcomponent& c : components)
        c.selected = !c.selected;
    for (Vreaction& r : reactions)
        r.selected = !r.selected;
    broadcast(drawingChanged);
}

void Vreactor::deselectAll() {
    regionStart = regionEnd = Poi{};
    if (nothingSelected()) return;
    for (Vcomponent& c : components)
        c.selected = false;
    for (Vreaction& r : reactions)
        r.selected = false;
    broadcast(drawingChanged);
}

void Vreactor::selectRegion() {
    const Poi lo{std::min(regionStart.x, regionEnd.x), std::min(regionStart.y, regionEnd.y)};
    const Poi hi{std::max(regionStart.x, regionEnd.x), std::max(regionStart.y, regionEnd.y)};
    for (Vcomponent& c : components)
        if (lo <= c.pos && c.pos <= hi) c.selected = true;
    for (Vreaction& r : reactions)
        if (lo <= r.pos && r.pos <= hi) r.selected = true;
    regionStart = regionEnd = Poi{};
    broadcast(drawingChanged);
}

void Vreactor::moveSelected(Poi delta) {
    moveExtent = selectionExtent();
    Poi_Extent box;
    for (const Vcomponent& c : components)
        if (c.selected) box.add(c.pos);
    for (const Vreaction& r : reactions)
        if (r.selected) box.add(r.pos);
    if (!box.notEmpty) return;
    const long long left = 0LL + box.low.x + delta.x, top = 0LL + box.low.y + delta.y;
    const long long right = 0LL + box.high.x + delta.x, bottom = 0LL + box.high.y + delta.y;
    if (left < 0 || top < 0 || right > planeWidth || bottom > planeHeight) return;
    for (Vcomponent& c : components)
        if (c.selected) c.pos += delta;
    for (Vreaction& r : reactions)
        if (r.selected) r.pos += delta;
    layout();
    moveExtent.add(selectionExtent());
}

void Vreactor::snapToGrid(bool all) {
    for (Vcomponent& c : components)
        if (all || c.selected) c.pos = c.pos.snapped();
    for (Vreaction& r : reactions)
        if (all || r.selected) r.pos = r.pos.snapped();
    broadcast(drawingChanged);
}
