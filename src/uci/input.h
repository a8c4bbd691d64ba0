// Standard input, read through the process's own buffer so that a search can still ask whether input waits.
#pragma once

#include <cstdint>

// Line buffers hold 65533 characters and the terminating zero.
inline constexpr int LINE_BUFFER = 65536;
inline constexpr int MAX_LINE_LENGTH = 65533;

enum class Read_Status : uint8_t { Line, End, Too_Long };

// Reads one line without its line feed (and without a carriage return right before it) into a LINE_BUFFER.
// A last line without a line feed is delivered; after End or Too_Long every later read fails the same way.
Read_Status Read_Line(char* line);

// Returns at once: non-zero when unread bytes wait in the process buffer or on the descriptor, or input has ended.
uint32_t Input_Waiting();

// True once end of input has been met.
bool Input_Ended();

// Lines read during a search that the command loop must still carry out, oldest first.
void Defer_Line(const char* line);
bool Next_Deferred_Line(char* line);
