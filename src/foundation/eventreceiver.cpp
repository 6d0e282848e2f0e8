#include "foundation/eventreceiver.h"

void EventRegistry::broadcast(int event) {
    if (!notificationsEnabled) return;
    // Index loop: a receiver may register another one while being called.
    for (int i = 0; i < receivers.count(); ++i)
        receivers[i]->receive(event);
}

EventRegistry& eventRegistry() {
    static EventRegistry registry;
    return registry;
}
