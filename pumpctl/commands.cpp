#include "commandline.h"
#include "readcommand.h"
#include "searchcommand.h"
#include "writecommand.h"

void registerCommands(CommandLine &commandLine)
{
    commandLine.addCommand(std::make_unique<SearchCommand>());
    commandLine.addCommand(std::make_unique<ReadCommand>());
    commandLine.addCommand(std::make_unique<WriteCommand>());
}
