#pragma once

// libsbml declares a class Event in the global namespace, where the core's
// change notification codes are an enum of that name. Files that include
// libsbml include the core through this header first, which shows them the
// codes under another name; no signature uses the enum's type, so nothing
// else changes.
#define Event CoreNotificationEvent
#include "foundation/eventreceiver.h"
#include "foundation/numberformat.h"
#include "foundation/windows1252.h"
#include "session/reactorsession.h"
#undef Event
