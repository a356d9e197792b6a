// Entry point of the program.
#include "app/program_start.h"

int main(int argc, char* argv[]) {
    return sb::app::runProgram(argc, argv);
}
