#include "presetcatalogue.h"

#include "foundation/numberformat.h"
#include "presetbuilder.h"
#include "session/programfiles.h"

namespace {

// Rate constants, concentrations and times are in arbitrary units, chosen so
// that each system shows its textbook behaviour within the simulation time.
// The time steps keep the largest relative change per step at 0.01 or below,
// which leaves room for the larger values of a parameter animation, and divide
// the simulation time into a multiple of 2000 steps, so that the 2001 stored
// points are evenly spaced and the last one lies on the simulation time.

void firstOrderDecay(PresetBuilder& b) {
    const int a = b.component("A", {2, 2}, 1);
    const int p = b.component("B", {5, 2}, 0);
    b.step(a, p, 0.5);
    b.simulate(10, 0.001);
}

void consecutive(PresetBuilder& b) {
    const int a = b.component("A", {1, 2}, 1);
    const int i = b.component("B", {4, 2}, 0);
    const int p = b.component("C", {7, 2}, 0);
    b.step(a, i, 1);
    b.step(i, p, 0.5);
    b.simulate(10, 0.001);
}

void parallel(PresetBuilder& b) {
    const int a = b.component("A", {2, 2}, 1);
    const int p = b.component("B", {5, 1}, 0);
    const int q = b.component("C", {5, 3}, 0);
    b.step(a, p, 0.6);
    b.step(a, q, 0.2);
    b.simulate(10, 0.001);
}

void reversible(PresetBuilder& b) {
    const int a = b.component("A", {2, 2}, 1);
    const int p = b.component("B", {5, 2}, 0);
    b.equilibrium(a, p, 0.6, 0.2);
    b.simulate(10, 0.001);
}

void dimerisation(PresetBuilder& b) {
    const int a = b.component("A", {2, 2}, 1);
    const int p = b.component("B", {5, 2}, 0);
    const int r = b.reaction({3, 2}, 0.5);
    b.reactant(r, a, 2);
    b.product(r, p);
    b.align(r, a, p);
    b.simulate(20, 0.002);
}

void bimolecular(PresetBuilder& b) {
    const int a = b.component("A", {2, 1}, 1);
    const int c = b.component("B", {2, 3}, 0.6);
    const int p = b.component("C", {6, 2}, 0);
    const int r = b.reaction({4, 2}, 1);
    b.reactant(r, a);
    b.reactant(r, c);
    b.product(r, p);
    b.simulate(10, 0.001);
}

void preEquilibrium(PresetBuilder& b) {
    const int a = b.component("A", {1, 1}, 1);
    const int c = b.component("B", {1, 3}, 0.5);
    const int i = b.component("I", {5, 2}, 0);
    const int p = b.component("P", {8, 2}, 0);
    const int r = b.reversible({3, 2}, 20, 5);
    b.reactant(r, a);
    b.reactant(r, c);
    b.product(r, i);
    b.step(i, p, 0.2);
    b.simulate(100, 0.0004);
    // Both time scales at once: the equilibrium sets in within a few
    // hundredths, the product forms over tens of time units.
    b.view().logX = true;
    b.view().magX = 5;
}

// E + S <-> ES -> E + P, the enzyme drawn once more beside the product.
struct Enzyme {
    int e, s, es, p;
};

Enzyme michaelisMentenScheme(PresetBuilder& b) {
    Enzyme z{};
    z.s = b.component("S", {1, 1}, 1);
    z.e = b.component("E", {1, 3}, 0.1);
    z.es = b.component("ES", {5, 2}, 0);
    z.p = b.component("P", {9, 1}, 0);
    const int bind = b.reversible({3, 2}, 10, 1);
    b.reactant(bind, z.e);
    b.reactant(bind, z.s);
    b.product(bind, z.es);
    const int turnover = b.reaction({7, 2}, 1);
    b.reactant(turnover, z.es);
    b.product(turnover, z.p);
    b.product(turnover, b.shortcut(z.e, {9, 3}));
    return z;
}

void michaelisMenten(PresetBuilder& b) {
    michaelisMentenScheme(b);
    b.simulate(30, 0.00075);
}

void competitiveInhibition(PresetBuilder& b) {
    const Enzyme z = michaelisMentenScheme(b);
    const int inhibitor = b.component("I", {1, 5}, 0.2);
    const int blocked = b.component("EI", {5, 4}, 0);
    const int r = b.reversible({3, 4}, 10, 1);
    b.reactant(r, z.e);
    b.reactant(r, inhibitor);
    b.product(r, blocked);
    b.simulate(50, 0.0005);
}

void autocatalysis(PresetBuilder& b) {
    const int a = b.component("A", {2, 1}, 1);
    const int c = b.component("B", {2, 3}, 0.01);
    const int r = b.reaction({4, 2}, 1);
    b.reactant(r, a);
    b.reactant(r, c);
    b.product(r, b.shortcut(c, {6, 2}), 2);
    b.simulate(12, 0.001);
}

// H2 + Br2 -> 2 HBr. Bromine dissociates into the chain carrier Br and
// recombines (initiation forward, termination backward); the carriers Br and
// H are passed round by the two propagation steps, the first one reversible,
// its back reaction being the inhibition by HBr.
void radicalChain(PresetBuilder& b) {
    const int br2 = b.component("Br2", {1, 1}, 0.5);
    const int h2 = b.component("H2", {5, 1}, 1);
    const int hbr = b.component("HBr", {9, 1}, 0);
    const int br = b.component("Br", {3, 3}, 0);
    const int h = b.component("H", {11, 3}, 0);
    const int dissociation = b.reversible({2, 2}, 0.001, 100);
    b.reactant(dissociation, br2);
    b.product(dissociation, br, 2);
    b.align(dissociation, br2, br);
    const int first = b.reversible({7, 2}, 10, 10);
    b.reactant(first, br);
    b.reactant(first, h2);
    b.product(first, hbr);
    b.product(first, h);
    b.orient(first);
    const int second = b.reaction({7, 4}, 100);
    b.reactant(second, h);
    b.reactant(second, b.shortcut(br2, {9, 5}));
    b.product(second, b.shortcut(hbr, {5, 5}));
    b.product(second, br);
    b.orient(second);
    b.simulate(60, 0.0001);
    b.view().logY = true;
    b.view().magY = 6;
}

void lotkaVolterra(PresetBuilder& b) {
    const int food = b.component("A", {1, 1}, 1);
    const int prey = b.component("X", {5, 2}, 1.5);
    const int predator = b.component("Y", {9, 3}, 0.5);
    const int waste = b.component("P", {11, 3}, 0);
    b.hold(food);
    b.hide(food);
    b.hide(waste);
    const int birth = b.reaction({3, 2}, 1);
    b.reactant(birth, food);
    b.reactant(birth, b.shortcut(prey, {1, 3}));
    b.product(birth, prey, 2);
    const int hunt = b.reaction({7, 3}, 1);
    b.reactant(hunt, prey);
    b.reactant(hunt, b.shortcut(predator, {5, 4}));
    b.product(hunt, predator, 2);
    b.step(predator, waste, 1);
    b.simulate(30, 0.001);
}

void brusselator(PresetBuilder& b) {
    const int a = b.component("A", {1, 1}, 1);
    const int c = b.component("B", {3, 1}, 3);
    const int x = b.component("X", {3, 3}, 1);
    const int d = b.component("D", {7, 1}, 0);
    const int y = b.component("Y", {7, 3}, 1);
    const int e = b.component("E", {1, 5}, 0);
    for (int held : {a, c})
        b.hold(held);
    for (int hidden : {a, c, d, e})
        b.hide(hidden);
    b.step(a, x, 1);
    const int conversion = b.reaction({5, 2}, 1);
    b.reactant(conversion, x);
    b.reactant(conversion, c);
    b.product(conversion, d);
    b.product(conversion, y);
    const int autocatalysis = b.reaction({5, 4}, 1);
    b.reactant(autocatalysis, y);
    b.reactant(autocatalysis, b.shortcut(x, {7, 5}), 2);
    b.product(autocatalysis, x, 3);
    b.orient(autocatalysis);
    b.step(x, e, 1);
    // The phase plane, Y against X, with the origin: the trajectory winds out
    // from near the unstable steady state (1, 3) onto the limit cycle.
    b.plotAgainst(x);
    b.axes(0, 4, 0, 5);
    b.simulate(40, 0.0005);
}

// The Oregonator, Field and Noyes' scheme of the Belousov-Zhabotinsky
// reaction, in scaled units, with one bromide ion released per Ce4+ reduced
// (stoichiometric factor f = 2). On a logarithmic axis the relaxation
// oscillations of HBrO2, Br- and Ce4+ show over three decades.
void oregonator(PresetBuilder& b) {
    const int bromate = b.component("BrO3-", {1, 1}, 1);
    const int bromide = b.component("Br-", {1, 3}, 0.1);
    const int hypo = b.component("HOBr", {5, 1}, 0);
    const int acid = b.component("HBrO2", {5, 3}, 0);
    const int cerium = b.component("Ce4+", {9, 3}, 0);
    const int organic = b.component("Org", {11, 1}, 1);
    b.hold(bromate);
    b.hold(organic);
    for (int hidden : {bromate, organic, hypo})
        b.hide(hidden);
    const int r1 = b.reaction({3, 2}, 1);
    b.reactant(r1, bromate);
    b.reactant(r1, bromide);
    b.product(r1, hypo);
    b.product(r1, acid);
    const int r2 = b.reaction({3, 4}, 100);
    b.reactant(r2, bromide);
    b.reactant(r2, b.shortcut(acid, {1, 5}));
    b.product(r2, b.shortcut(hypo, {5, 5}), 2);
    const int r3 = b.reaction({7, 2}, 20);
    b.reactant(r3, acid);
    b.reactant(r3, b.shortcut(bromate, {7, 1}));
    b.product(r3, b.shortcut(acid, {9, 1}), 2);
    b.product(r3, cerium, 2);
    b.orient(r3);
    const int r4 = b.reaction({7, 4}, 10);
    b.reactant(r4, acid, 2);
    b.product(r4, b.shortcut(hypo, {9, 4}));
    b.product(r4, b.shortcut(bromate, {9, 5}));
    b.orient(r4);
    const int r5 = b.reaction({11, 3}, 1);
    b.reactant(r5, cerium);
    b.reactant(r5, organic);
    b.product(r5, b.shortcut(bromide, {13, 3}));
    b.orient(r5);
    b.simulate(30, 0.00004);
    b.view().logY = true;
    b.view().magY = 3;
}

// A photochemical reaction: light drives A to B while the lamp is on (until
// t = 5 and from t = 10 to t = 15); B returns to A in the dark.
void switched(PresetBuilder& b) {
    const int a = b.component("A", {2, 2}, 1);
    const int p = b.component("B", {5, 2}, 0);
    const int r = b.equilibrium(a, p, 1, 0.2);
    b.switches(r, {5, 10, 15});
    b.simulate(20, 0.001);
}

// The absorbance of A -> B -> C at one wavelength: each weight is the
// component's absorption coefficient, the global factor the path length.
void absorbance(PresetBuilder& b) {
    const int a = b.component("A", {1, 2}, 1);
    const int i = b.component("B", {4, 2}, 0);
    const int p = b.component("C", {7, 2}, 0);
    b.step(a, i, 0.8);
    b.step(i, p, 0.25);
    b.weight(a, 0.3);
    b.weight(i, 1.2);
    b.weight(p, 0.6);
    b.observe(1);
    b.simulate(20, 0.001);
}

// Simulated data to fit: A decays with k = 0.5, measured with noise; the
// session starts from a guess of 0.2 for the student to fit.
void fitDecay(PresetBuilder& b) {
    const int a = b.component("A", {2, 2}, 1);
    const int p = b.component("B", {5, 2}, 0);
    const int r = b.step(a, p, 0.5);
    b.simulate(10, 0.001);
    b.measure({"A"}, 21, 0.01, 17);
    b.system().reactions[r].rateConstant = 0.2;
}

// Simulated absorbance of A -> B -> C (k1 = 0.8, k2 = 0.25) as in the
// absorbance preset; the session starts from k1 = k2 = 0.5.
void fitAbsorbance(PresetBuilder& b) {
    const int a = b.component("A", {1, 2}, 1);
    const int i = b.component("B", {4, 2}, 0);
    const int p = b.component("C", {7, 2}, 0);
    const int r1 = b.step(a, i, 0.8);
    const int r2 = b.step(i, p, 0.25);
    b.weight(a, 0.3);
    b.weight(i, 1.2);
    b.weight(p, 0.6);
    b.observe(1);
    b.simulate(20, 0.001);
    b.measure({"weightedObservation"}, 41, 0.005, 18);
    b.system().reactions[r1].rateConstant = 0.5;
    b.system().reactions[r2].rateConstant = 0.5;
}

using Recipe = void (*)(PresetBuilder&);

Preset make(const std::string& name, Recipe recipe) {
    Preset preset{name, ReactorSession()};
    PresetBuilder builder(preset.session);
    recipe(builder);
    return preset;
}

} // namespace

std::vector<Preset> presetCatalogue() {
    std::vector<Preset> presets;
    presets.push_back(make("01 First-order decay", firstOrderDecay));
    presets.push_back(make("02 Consecutive reactions", consecutive));
    presets.push_back(make("03 Parallel reactions", parallel));
    presets.push_back(make("04 Reversible reaction and equilibrium", reversible));
    presets.push_back(make("05 Second order, 2A to B", dimerisation));
    presets.push_back(make("06 Second order, A + B to C", bimolecular));
    presets.push_back(make("07 Pre-equilibrium", preEquilibrium));
    presets.push_back(make("08 Michaelis-Menten enzyme kinetics", michaelisMenten));
    presets.push_back(make("09 Competitive inhibition", competitiveInhibition));
    presets.push_back(make("10 Autocatalysis", autocatalysis));
    presets.push_back(make("11 Radical chain reaction, H2 + Br2", radicalChain));
    presets.push_back(make("12 Lotka-Volterra oscillator", lotkaVolterra));
    presets.push_back(make("13 Brusselator limit cycle", brusselator));
    presets.push_back(make("14 Oregonator oscillating reaction", oregonator));
    presets.push_back(make("15 Reaction switched on and off", switched));
    presets.push_back(make("16 Weighted observation, absorbance", absorbance));
    presets.push_back(make("17 Fit a first-order decay (simulated data)", fitDecay));
    presets.push_back(make("18 Fit an absorbance, A to B to C (simulated data)", fitAbsorbance));
    return presets;
}

bool savePresets(std::vector<Preset>& presets, const std::string& directory) {
    for (Preset& preset : presets)
        if (!preset.session.save(
                programFile(directory, preset.name + "." + ReactorSession::extension),
                numberPrecision))
            return false;
    return true;
}
