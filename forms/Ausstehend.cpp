#include "Ausstehend.h"

namespace lx {}  // namespace lx
