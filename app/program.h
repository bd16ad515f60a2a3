#pragma once

// The whole program: the command line, or else the window until it closes. Returns the exit
// status (an export ends the process itself). main() is this alone, so that the benchmark's
// staged build can mark the process entry before it without a mark in the program's main.
int runVarnel(int argc, char* argv[]);
