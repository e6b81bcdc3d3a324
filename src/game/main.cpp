#include "startup.h"

int main(int argc, char** argv) { return runLanternmoor(argc, argv); }
