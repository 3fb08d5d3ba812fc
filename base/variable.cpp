#include "base/variable.h"

namespace fluvan::base {

Variable& Variable::instanz() {
    static Variable variable;
    return variable;
}

}  // namespace fluvan::base
