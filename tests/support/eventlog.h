#pragma once

#include "foundation/eventreceiver.h"

#include <algorithm>
#include <vector>

// Records the events broadcast while it is registered.
struct EventLog : EventReceiver {
    void receive(int event) override { events.push_back(event); }
    int count(int event) const { return int(std::count(events.begin(), events.end(), event)); }
    std::vector<int> events;
};
