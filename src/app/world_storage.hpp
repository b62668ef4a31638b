#pragma once

namespace q {

// The game's one World (stage buffers and actor pool), made at start-up and
// installed with SetGameWorld. false when the allocation fails.
bool CreateGameWorld();
// Safe without a world and when run twice.
void DestroyGameWorld();

}  // namespace q
