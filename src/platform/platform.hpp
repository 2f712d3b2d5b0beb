#pragma once
// The platform boundary: everything the library calls of the window manager, the graphics
// engine and the kernel, in namespace vellum::platform. The sim backend implements it on every
// machine.

#include "platform/gdi32.hpp"
#include "platform/kernel32.hpp"
#include "platform/types.hpp"
#include "platform/user32.hpp"
