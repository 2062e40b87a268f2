// The process entry: everything lives in the shell.
#include "shell/main_loop.h"

int main(int argc, char** argv) { return shell::RunClient(argc, argv); }
