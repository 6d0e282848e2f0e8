#pragma once

#include "model/poi.h"

class Vreactor;

// Where "New Component" and "New Reaction" of the main menu put the new
// object: the first free cell of a lattice of 5 by 5 cells, twice the grid
// unit apart, read row by row from (112, 112); a reaction goes one grid unit
// right of its cell. A cell is taken when a component or a reaction stands
// exactly on it; with all 25 taken, the first cell is used.
Poi newObjectPlacement(const Vreactor& system, bool reaction);
