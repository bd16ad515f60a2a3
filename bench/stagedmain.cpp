#include "app/program.h"
#include "export/stagemarks.h"

// varnel as bench/fixed-cost times it: the same program, with a stage mark at process entry
// (the other marks are in the libraries, compiled in with VARNEL_STAGE_MARKS).
int main(int argc, char* argv[]) {
    stageMark("main");
    return runVarnel(argc, argv);
}
