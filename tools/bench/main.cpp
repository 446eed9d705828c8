#include "app/bench.h"

int main(int argc, char** argv) {
    return tessivo::runBench(argc, argv);
}
