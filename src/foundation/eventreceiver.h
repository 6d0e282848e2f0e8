#pragma once

#include "foundation/llist.h"

// The change notification codes; senders and receivers use these numbers.
enum Event : int {
    sessionReplaced = 0,
    systemChanged = 1,
    parametersChanged = 2,
    animatedParameterChanged = 3,
    namesChanged = 4,
    weightedObservationChanged = 5,
    drawingChanged = 6,
    preferencesChanged = 7,
};

// Observer of every edit. Receivers are called in registration order, so the
// model re-lays itself out before the calculation, and the calculation runs
// before the windows that show its results.
class EventReceiver {
public:
    virtual ~EventReceiver() = default;
    virtual void receive(int event) = 0;
};

// The process-wide list of receivers with the notifications-enabled flag.
class EventRegistry {
public:
    void registerReceiver(EventReceiver* receiver) { receivers.add(receiver); }

    // Calls every receiver in order, unless notifications are disabled.
    void broadcast(int event);

    // For an owner that is torn down (and for tests); the program never
    // unregisters.
    void clear() { receivers.clear(); }

    Llist<EventReceiver*> receivers;
    bool notificationsEnabled = true;
};

EventRegistry& eventRegistry();

inline void registerReceiver(EventReceiver* receiver) {
    eventRegistry().registerReceiver(receiver);
}
inline void broadcast(int event) {
    eventRegistry().broadcast(event);
}

// Suspends notification during a bulk edit; the caller broadcasts once after.
class NotificationPause {
public:
    NotificationPause() : saved_(eventRegistry().notificationsEnabled) {
        eventRegistry().notificationsEnabled = false;
    }
    ~NotificationPause() { eventRegistry().notificationsEnabled = saved_; }
    NotificationPause(const NotificationPause&) = delete;
    NotificationPause& operator=(const NotificationPause&) = delete;

private:
    bool saved_;
};
