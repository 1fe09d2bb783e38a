#include "audio/win/Leftovers.h"

#include "audio/win/Player.h"
#include "audio/win/PlayerBuffer.h"
#include "audio/win/PlayerInternal.h"
#include "foundation/system/Platform.h"

#include <vector>

namespace s::system::audio::win::leftovers {

namespace {

struct Kept {
    platform::CriticalSection lock;
    std::vector<PlayerInternal*> outputs;
    std::vector<PlayerBuffer*> readAheads;
    std::vector<Player*> players;
};

// Never destroyed: a worker may still be running when the process ends.
Kept& kept() {
    static Kept* instance = new Kept;
    return *instance;
}

} // namespace

void keep(PlayerInternal* output) {
    Kept& k = kept();
    platform::CriticalSectionGuard guard(k.lock);
    k.outputs.push_back(output);
}

void keep(PlayerBuffer* readAhead) {
    Kept& k = kept();
    platform::CriticalSectionGuard guard(k.lock);
    k.readAheads.push_back(readAhead);
}

void keep(Player* player) {
    Kept& k = kept();
    platform::CriticalSectionGuard guard(k.lock);
    k.players.push_back(player);
}

int sweep() {
    Kept& k = kept();
    std::vector<PlayerInternal*> outputs;
    std::vector<PlayerBuffer*> readAheads;
    std::vector<Player*> players;
    {
        platform::CriticalSectionGuard guard(k.lock);
        for (auto it = k.outputs.begin(); it != k.outputs.end();) {
            // A finished command may leave the close to be completed.
            if ((*it)->finished() && (*it)->close()) {
                outputs.push_back(*it);
                it = k.outputs.erase(it);
            } else {
                ++it;
            }
        }
        for (auto it = k.players.begin(); it != k.players.end();) {
            if ((*it)->feedingEnded()) {
                players.push_back(*it);
                it = k.players.erase(it);
            } else {
                ++it;
            }
        }
        for (auto it = k.readAheads.begin(); it != k.readAheads.end();) {
            if ((*it)->finished()) {
                readAheads.push_back(*it);
                it = k.readAheads.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (PlayerInternal* output : outputs)
        output->release();
    for (PlayerBuffer* readAhead : readAheads)
        readAhead->release();
    for (Player* player : players)
        player->release();
    platform::CriticalSectionGuard guard(k.lock);
    return static_cast<int>(k.outputs.size() + k.readAheads.size() + k.players.size());
}

} // namespace s::system::audio::win::leftovers
