#include "commandline.h"
#include "readcommand.h"
#include "searchcommand.h"

void registerCommands(CommandLine &commandLine)
{
    commandLine.addCommand(std::make_unique<SearchCommand>());
    commandLine.addCommand(std::make_unique<ReadCommand>());
    // `pumpctl write` plugs in here: its command class (pumpctl/write*) is added
    // below, and its files to pumpctl_core in pumpctl/CMakeLists.txt.
}
