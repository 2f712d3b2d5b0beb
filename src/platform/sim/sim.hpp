#pragma once
// Everything a test or a tool uses to drive the sim: the driver, the scripted user, the call
// log and the readable forms of records.

#include "platform/sim/call_log.hpp"
#include "platform/sim/debug_string.hpp"
#include "platform/sim/driver.hpp"
#include "platform/sim/user.hpp"
