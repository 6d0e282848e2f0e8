#pragma once

#include "session/reactorsession.h"

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

// A place on the drawing's 56-pixel grid, in grid units from the origin.
struct Cell {
    int column;
    int row;
};

// Draws a ready-made session through the reaction system's own editing
// operations, as a user would with the grid on: components and the reactions
// placed by cell stand on grid points, names and colours come from the model,
// and connections are refused where the editor would refuse them. Indices are
// positions in the component and reaction lists. A refused step throws
// PresetError: a preset that cannot be drawn is a fault of its recipe.
class PresetBuilder {
public:
    explicit PresetBuilder(ReactorSession& target);

    // A unique component with the given name and initial concentration.
    int component(const std::string& name, Cell cell, double concentration);
    // A further drawn copy of `component`, for a tidier drawing.
    int shortcut(int component, Cell cell);

    // A forward reaction, centred on the cell, with a horizontal arrow.
    int reaction(Cell cell, double rateConstant);
    // The same, both directions active.
    int reversible(Cell cell, double rateConstant, double rateConstantBack);
    // A forward 1-1 reaction drawn along the line from `from` to `to`, its
    // centre midway, as when a connection is dropped on a component.
    int step(int from, int to, double rateConstant);
    // `step`, both directions active.
    int equilibrium(int from, int to, double rateConstant, double rateConstantBack);

    // Entries: a reactant on the left side, a product on the right.
    void reactant(int reaction, int component, int order = 1);
    void product(int reaction, int component, int order = 1);
    // Orients the arrow from `left`, one of its reactants, to `right`, one of
    // its products, and centres it between them, as "Align To" does.
    void align(int reaction, int left, int right);
    // The arrow points from the mean of the reactants to the mean of the
    // products; the centre stays on its cell.
    void orient(int reaction);

    // Switching times of the forward direction, in order.
    void switches(int reaction, std::initializer_list<double> times);

    // The initial concentration stays fixed during the calculation.
    void hold(int component);
    // The component's curve is left out of the kinetics plot.
    void hide(int component);
    // The component's concentration becomes the plot's x axis.
    void plotAgainst(int component);
    void weight(int component, double value);
    // The weighted observation is computed and shown, its weights multiplied
    // by `globalFactor`.
    void observe(double globalFactor);

    // Fixed ranges of both axes of the kinetics plot.
    void axes(double minX, double maxX, double minY, double maxY);

    // Simulation time and time step.
    void simulate(double time, double timeStep);

    // Simulated data for the fitting exercises: the named columns at `rows`
    // evenly spaced times from 0 to the simulation time, as the system now
    // computes them, with seeded normal noise of the given size. Call after
    // `simulate` and `observe`.
    void measure(const std::vector<std::string>& columns, int rows, double noise, unsigned seed);

    Vreactor& system() { return session.vReactor; }
    KineticsView& view() { return session.kineticsView; }

private:
    Vcomponent& unique(int component);
    Vreaction& at(int reaction);
    void enter(int reaction, int component, int order, int side);

    ReactorSession& session;
    // The session is not the program's: nothing is told of these edits.
    NotificationPause pause;
};

class PresetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
