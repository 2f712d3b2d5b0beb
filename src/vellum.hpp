#pragma once
// Vellum: owner-drawn menus for desktop applications. A host includes this one header.

#include "platform/automation/runtime.hpp"
