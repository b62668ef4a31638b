#include "platform/backend.hpp"

namespace q {

static BackendKind activeBackend = BackendKind::Sdl;

void SelectBackend(BackendKind kind) { activeBackend = kind; }
BackendKind ActiveBackend() { return activeBackend; }

}  // namespace q
