#pragma once
// The program's command-line modes that need no window. Each takes the
// arguments after its own option and returns the process exit code.

int RunListCommand(int argc, char** argv);         // --list
int RunWatchCommand(int argc, char** argv);        // --watch
int RunCheckLayoutCommand(int argc, char** argv);  // --check-layout
