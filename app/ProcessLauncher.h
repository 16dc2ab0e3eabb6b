#pragma once
// Starts other programs directly with an argument vector (no shell, so no
// text of the argument is ever interpreted), with standard input and output
// on /dev/null, in a session of their own, and with none of this process's
// other descriptors (sockets, the single-instance lock) handed down.
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// Starts the program named by argv[0] (looked up on PATH when it has no
// slash). Returns the process id, or nothing when it could not be started.
std::optional<pid_t> StartProcess(const std::vector<std::string>& argv);

// Collects the exit of a started process on a detached thread, so that no
// zombie stays behind and the caller need not wait.
void ReapInBackground(pid_t pid);

// Waits for a started process to end and returns its exit status as waitpid
// gives it, or nothing when waiting failed.
std::optional<int> WaitForProcess(pid_t pid);

// Runs the program and returns what it wrote to standard output, read through
// a pipe. Gives nothing when it could not be started, did not end within the
// timeout (it is then killed), or wrote more than maxBytes.
std::optional<std::string> RunAndCapture(const std::vector<std::string>& argv,
                                         std::chrono::milliseconds timeout, std::size_t maxBytes = 1 << 20);
