// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soak/snapshot.h"

#include <cstdint>
#include <optional>
#include <string>

namespace soak {

// What the checks must remember of earlier moments. The winning line can be redrawn once a
// game's letter is chosen, so matches are judged against the line that stood when the game's
// number cells were opened: the one of the last moment with no choice made. Letters are judged
// against every winning letter the game has seen.
class History
{
public:
    explicit History(const Brelun::Tgo &game) { note(game); }

    // Called with the game as it stands after every input, before the checks.
    void note(const Brelun::Tgo &game);

    const Brelun::Array1<std::int32_t, 7> &choiceLine() const { return m_choiceLine; }
    bool letterSeen(std::int32_t letter) const;

private:
    Brelun::Array1<std::int32_t, 7> m_choiceLine;
    unsigned m_lettersSeen = 0;
};

// The first rule of the game that the snapshot breaks, in words, or nothing.
std::optional<std::string> brokenInvariant(const Snapshot &now, const History &history);

} // namespace soak
