#pragma once
// A table that reaches up into the chain: the level check must refuse it.
#include "engine/rechenlauf.h"
