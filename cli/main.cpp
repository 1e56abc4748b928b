#include "cli/command_line.h"

int main(int argc, char** argv)
{
    return orvik::RunConsoleFrontEnd(orvik::ParseCommandLine(argc, argv));
}
