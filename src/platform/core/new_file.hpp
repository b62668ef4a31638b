#pragma once
// Files the game writes only when asked to (its replays): each one new, and
// either whole or not there at all.
#include <cstddef>
#include <cstdint>

#include "platform/core/files.hpp"

namespace q {

// Writes `size` bytes as a new file PREFIX-YYYYMMDD-HHMMSS.EXTENSION in
// `folder` (made, with its parents, when missing), with -2, -3... before the
// extension when that name is taken. The bytes go to a temporary file that is
// renamed into place once complete, so a full disk leaves no half file; an
// existing file is never replaced. On success *written holds the path; on
// failure `error` says why, in words for the player, and nothing is left.
bool WriteNewFile(const char* folder, const char* prefix, const char* extension, const uint8_t* bytes,
                  std::size_t size, GamePath* written, char* error, std::size_t errorSize);

}  // namespace q
