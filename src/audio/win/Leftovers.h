#pragma once

namespace s::system::audio::win {

class Player;
class PlayerBuffer;
class PlayerInternal;

// Where the player leaves an output or a read-ahead whose worker is still
// inside a call that did not return in time (a device that hangs in reset
// or close, a source read from a stalled share). Ending such a worker by
// force could leave a lock of the driver, the heap or the source held for
// ever; instead it is left to return by itself, and its object is given
// back to its pool by a later sweep, once it has.
namespace leftovers {

void keep(PlayerInternal* output);
void keep(PlayerBuffer* readAhead);
void keep(Player* player);
// Gives back what has finished; answers how many objects are still kept.
int sweep();

} // namespace leftovers

} // namespace s::system::audio::win
