// Runs the built engine as a child process: feeds its standard input, collects what it writes, and kills it
// when it runs past a deadline, so that a hung engine fails a test instead of hanging the run.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <string>
#include <vector>

extern char** environ;

// One write to the engine: sent after the pause, and only once the output so far holds wait_for.
struct Input_Piece {
    std::string bytes;
    int pause_ms = 0;
    std::string wait_for = {};
};

struct Engine_Run_Options {
    int timeout_ms = 120000;
    bool close_input = true;  // close the engine's standard input after the last piece
    std::string engine = ORLEM_ENGINE;
};

struct Engine_Result {
    std::string output;  // standard output
    std::string errors;  // standard error: the engine writes nothing there, sanitizer reports do
    int exit_status = -1;  // the exit code, or minus the signal that ended the process
    bool timed_out = false;
};

namespace engine_pipe_detail {

using Clock = std::chrono::steady_clock;

inline int Milliseconds_Until(Clock::time_point t) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(t - Clock::now()).count();
    return left < 0 ? 0 : static_cast<int>(left);
}

// Appends whatever the descriptor holds now; closes it and sets it to -1 at end of stream.
inline void Drain(int& fd, std::string& into) {
    char chunk[65536];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got > 0) {
            into.append(chunk, static_cast<size_t>(got));
            continue;
        }
        if (got < 0 && (errno == EINTR)) continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        close(fd);
        fd = -1;
        return;
    }
}

inline void Close(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

inline int Decode_Status(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return -WTERMSIG(status);
    return -1;
}

}  // namespace engine_pipe_detail

// Feeds the pieces in order and returns once the engine has ended (or was killed at the deadline).
inline Engine_Result Run_Engine(const std::vector<Input_Piece>& pieces, const Engine_Run_Options& options = {}) {
    using namespace engine_pipe_detail;
    signal(SIGPIPE, SIG_IGN);  // an engine that quits early must not take the test process with it
    Engine_Result result;
    int in[2], out[2], err[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
        result.errors = "cannot create pipes";
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    pid_t pid = -1;
    std::string path = options.engine;
    char* argv[] = {path.data(), nullptr};
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    close(err[1]);
    int to_engine = in[1], from_engine = out[0], from_errors = err[0];
    if (spawned != 0) {
        Close(to_engine), Close(from_engine), Close(from_errors);
        result.errors = "cannot start " + path;
        return result;
    }
    for (const int fd : {to_engine, from_engine, from_errors}) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);

    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(options.timeout_ms);
    size_t piece = 0, written = 0;
    Clock::time_point piece_due = Clock::now() + std::chrono::milliseconds(pieces.empty() ? 0 : pieces[0].pause_ms);
    bool exited = false;
    int status = 0;
    while (!exited) {
        if (to_engine >= 0 && piece == pieces.size() && options.close_input) Close(to_engine);
        const bool piece_ready = to_engine >= 0 && piece < pieces.size() && Clock::now() >= piece_due &&
                                 result.output.find(pieces[piece].wait_for) != std::string::npos;
        pollfd fds[3] = {{from_engine, POLLIN, 0}, {from_errors, POLLIN, 0}, {piece_ready ? to_engine : -1, POLLOUT, 0}};
        int wait_ms = Milliseconds_Until(deadline);
        if (to_engine >= 0 && piece < pieces.size() && !piece_ready) {
            const int until_due = Milliseconds_Until(piece_due);
            wait_ms = std::min(wait_ms, until_due > 0 ? until_due : 10);  // waiting for the output: look again soon
        }
        if (from_engine < 0 && from_errors < 0) wait_ms = std::min(wait_ms, 10);  // both closed: wait for the exit
        poll(fds, 3, wait_ms);
        if (from_engine >= 0 && fds[0].revents != 0) Drain(from_engine, result.output);
        if (from_errors >= 0 && fds[1].revents != 0) Drain(from_errors, result.errors);
        if (piece_ready && fds[2].revents != 0) {
            const std::string& bytes = pieces[piece].bytes;
            const ssize_t put = bytes.size() > written ? write(to_engine, bytes.data() + written, bytes.size() - written) : 0;
            if (put > 0) written += static_cast<size_t>(put);
            if (put < 0 && errno != EAGAIN && errno != EINTR) Close(to_engine);  // the engine has gone
            if (written == bytes.size() && to_engine >= 0) {
                written = 0;
                if (++piece < pieces.size()) piece_due = Clock::now() + std::chrono::milliseconds(pieces[piece].pause_ms);
            }
        }
        if (from_engine < 0 && from_errors < 0) exited = waitpid(pid, &status, WNOHANG) == pid;
        if (!exited && Clock::now() >= deadline) {
            result.timed_out = true;
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            exited = true;
        }
    }
    Close(to_engine), Close(from_engine), Close(from_errors);
    result.exit_status = Decode_Status(status);
    return result;
}

// The whole input written at once.
inline Engine_Result Run_Engine(const std::string& input, const Engine_Run_Options& options = {}) {
    return Run_Engine(std::vector<Input_Piece>{{input}}, options);
}

// Nodes per second depend on the machine: every number after "nps " becomes "#".
inline std::string Mask_Nps(const std::string& text) {
    std::string masked;
    size_t from = 0;
    for (size_t at; (at = text.find("nps ", from)) != std::string::npos;) {
        at += 4;
        masked.append(text, from, at - from);
        masked += '#';
        if (at < text.size() && text[at] == '-') ++at;  // the figure is written as a signed 32-bit number
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
        from = at;
    }
    masked.append(text, from, std::string::npos);
    return masked;
}
