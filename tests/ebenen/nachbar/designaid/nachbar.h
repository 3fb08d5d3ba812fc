#pragma once
// One level-2 folder reaching into another: the level check must refuse it.
#include "catalogue/modelle.h"
