#include "app/program.h"

int main(int argc, char** argv) {
    return tessivo::runProgram(argc, argv, tessivo::fixedShowList);
}
