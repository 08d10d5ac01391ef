#include "platform/ConsoleMain.h"

int main(int argc, char** argv) { return kestrowa::ConsoleMain(std::vector<std::string>(argv + 1, argv + argc)); }
