#pragma once
// The lines of single MIDI events: channel messages and meta events.

#include <cstdint>
#include <span>
#include <string>

namespace zor {

// Data bytes a channel status takes (0 for system and data bytes).
int chantype(unsigned status);

// Appends the line of a channel message.
void ChannelMessage(std::string& text, unsigned status, unsigned d1, unsigned d2);

// Appends the line of a meta event of type `typ` (nothing for unlisted types); `daten` are
// the kept bytes (at most 256).
void AddMeta(std::string& text, std::span<const unsigned char> daten, unsigned typ);

}  // namespace zor
