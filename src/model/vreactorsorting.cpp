#include "model/vreactor.h"

#include <utility>

bool Vreactor::exchangeReactions(int i, int j) {
    if (!validReaction(i) || !validReaction(j)) return false;
    if (i != j) std::swap(reactions[i], reactions[j]);
    return true;
}

bool Vreactor::exchangeComponents(int u, int v) {
    const int a = objectOfUnique(u);
    const int b = objectOfUnique(v);
    if (a < 0 || b < 0) return false;
    if (a == b) return true;
    std::swap(components[a], components[b]);
    for (Vreaction& reaction : reactions)
        for (Reactant& r : reaction.reactants) {
            if (r.index == a)
                r.index = b;
            else if (r.index == b)
                r.index = a;
        }
    return true;
}
