// Standard input through the process's own buffer: lines for the command loop, a non-blocking look for the poll.
#include "uci/input.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <deque>
#include <string>

namespace {

char buffer[LINE_BUFFER];
int buffer_start = 0;  // first unread byte
int buffer_end = 0;    // one past the last byte read from the descriptor
bool descriptor_ended = false;
Read_Status failure = Read_Status::Line;  // End or Too_Long once a read has failed for good

std::deque<std::string> deferred;

// Refills the buffer when it is empty; false when the descriptor has nothing more to give.
bool Fill_Buffer() {
    if (buffer_start < buffer_end) return true;
    if (descriptor_ended) return false;
    buffer_start = buffer_end = 0;
    for (;;) {
        const ssize_t got = read(0, buffer, sizeof buffer);
        if (got > 0) {
            buffer_end = static_cast<int>(got);
            return true;
        }
        if (got < 0 && errno == EINTR) continue;
        descriptor_ended = true;  // end of input, or a read error: nothing more will come
        return false;
    }
}

// Sets the lasting failure and returns it.
Read_Status Fail(Read_Status status) {
    failure = status;
    return status;
}

}  // namespace

Read_Status Read_Line(char* line) {
    if (failure != Read_Status::Line) return failure;
    int length = 0;
    for (;;) {
        if (!Fill_Buffer()) {
            line[length] = 0;
            // An unterminated last line is still a line; the next read meets the end.
            return length > 0 ? Read_Status::Line : Fail(Read_Status::End);
        }
        const char c = buffer[buffer_start++];
        if (c == '\n') break;
        if (length == MAX_LINE_LENGTH) {
            // A full line may still end in a carriage return and line feed.
            if (c == '\r' && Fill_Buffer() && buffer[buffer_start] == '\n') {
                ++buffer_start;
                line[length] = 0;
                return Read_Status::Line;
            }
            line[length] = 0;
            return Fail(Read_Status::Too_Long);
        }
        line[length++] = c;
    }
    if (length > 0 && line[length - 1] == '\r') --length;
    line[length] = 0;
    return Read_Status::Line;
}

uint32_t Input_Waiting() {
    if (buffer_start < buffer_end) return static_cast<uint32_t>(buffer_end - buffer_start);
    if (Input_Ended()) return 1;
    pollfd descriptor{0, POLLIN, 0};
    if (poll(&descriptor, 1, 0) <= 0) return 0;
    // A hang-up, an error or a closed descriptor also counts: the next read returns at once.
    return (descriptor.revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) != 0 ? 1 : 0;
}

bool Input_Ended() { return failure != Read_Status::Line || (descriptor_ended && buffer_start == buffer_end); }

void Defer_Line(const char* line) { deferred.emplace_back(line); }

bool Next_Deferred_Line(char* line) {
    if (deferred.empty()) return false;
    const std::string& next = deferred.front();
    const size_t length = next.size() < MAX_LINE_LENGTH ? next.size() : MAX_LINE_LENGTH;
    std::memcpy(line, next.data(), length);
    line[length] = 0;
    deferred.pop_front();
    return true;
}
