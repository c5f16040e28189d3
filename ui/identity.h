#pragma once

#include "application.h"

// What the program calls itself, and its icon.
const toolkit::Identity& identity();
