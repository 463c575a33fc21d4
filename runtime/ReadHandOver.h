// Hands the bytes of a finished serial read over to the channel's receive buffer.
#pragma once

#include <cstdint>

class CRxBuffer;

// Moves as many of the count bytes at the start of readBuffer as the receive buffer has room
// for; the rest moves to the front of readBuffer and count keeps their number. 1 when the
// receive buffer then offers data to its consumers (a complete line, or any data with its
// partial-data flag set), otherwise 0.
int HandOverRead(uint8_t* readBuffer, uint32_t& count, CRxBuffer& rx);
