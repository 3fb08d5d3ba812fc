#pragma once
// Qt in the core: the level check must refuse it.
#include <QString>
