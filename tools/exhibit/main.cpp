#include "app/exhibit.h"

// The program for an unattended exhibition screen: full screen, large controls, back to the
// start when left alone.
int main(int argc, char** argv) {
    return tessivo::runExhibit(argc, argv);
}
