#include "app/Velkarion.h"

int main(int argc, char** argv) { return velk::runVelkarion(argc, argv); }
