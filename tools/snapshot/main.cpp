#include "app/snapshot.h"

int main(int argc, char** argv) {
    return tessivo::runSnapshot(argc, argv);
}
