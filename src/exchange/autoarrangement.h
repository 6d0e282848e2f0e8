#pragma once

class Vreactor;

// A readable drawing for a reaction system that came without one: the
// components on grid points in rows, each reaction at the middle of its
// components, moved down by half grid steps until it covers no other object.
void arrangeAutomatically(Vreactor& system);
