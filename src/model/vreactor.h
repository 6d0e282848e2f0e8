#pragma once

#include "foundation/eventreceiver.h"
#include "foundation/llist.h"
#include "foundation/textstream.h"
#include "model/vcomponent.h"
#include "model/vreaction.h"

#include <string>

// The reaction system as the user draws it: component objects (unique ones
// and shortcuts) and reactions whose entries refer to components by their
// position in `components`.
class Vreactor : public EventReceiver, public TextStream {
public:
    static constexpr int maxUniqueComponents = 100;
    static constexpr int maxReactions = 100;

    Vreactor();

    void exchange() override;
    void receive(int event) override;

    // Queries (no notification).
    int uniqueComponentCount() const;
    // The i-th non-shortcut object; when there is none, shows "Unique component
    // not found!" and returns the first object (or a blank one when empty).
    Vcomponent& uniqueComponent(int i);
    // Position among the unique components, or -1 with a message.
    int uniqueIndexOf(const std::string& name) const;

    bool useGrid = true;
    bool showGrid = false;
    Llist<Vcomponent> components;
    Llist<Vreaction> reactions;

    // Connection and region state, not stored.
    int connectSource = -1;
    Poi regionStart;
    Poi regionEnd;
};
