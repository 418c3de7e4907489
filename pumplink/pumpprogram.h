#ifndef PUMPPROGRAM_H
#define PUMPPROGRAM_H

// The pump link is compiled once for each program of the family. PUMP_PROGRAM, set
// by the build, selects the program's record, its signals and its command table;
// everything else is the same code in all three.
#define PUMP_NETWORK_TOOL 1
#define PUMP_IP_TOOL 2
#define PUMP_KEY_TOOL 3

#ifndef PUMP_PROGRAM
#error "PUMP_PROGRAM must name the program this pump link is built into"
#endif

#endif // PUMPPROGRAM_H
