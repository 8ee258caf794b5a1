#pragma once
// What a configuration window's status line says when the request it waits for got no reply.

#include <cstdint>
#include <string>

// "Timeout." when no reply came within the engine's time-out; "Response too big" when the reply
// could not be taken because of its size; otherwise why the request could not be sent: the
// engine's own text, or its code when it has none.
std::string NoReplyText(std::uint16_t code, const std::string& engineText);
