#include "engine/variable.h"

namespace fluvan {

Variable& Variable::instanz() {
    static Variable variable;
    return variable;
}

}  // namespace fluvan
