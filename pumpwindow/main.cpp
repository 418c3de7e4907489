#include "mainwindow.h"
#include "pumpapplication.h"

int main(int argc, char **argv) { return runPumpTool<MainWindow>(argc, argv); }
