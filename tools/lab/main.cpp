#include "app/program.h"

// The exhibition program with every registered scene in its show list, in the order of
// registration, so that a curator can step through all of them.
int main(int argc, char** argv) {
    return tessivo::runProgram(argc, argv, tessivo::allScenesShowList);
}
