#pragma once

#include "console.hpp"

// The whole run of the menu calculator; returns the exit status.
int menucalc(Console& console);
