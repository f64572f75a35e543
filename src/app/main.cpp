// Molvix: an ideal gas to watch and steer. No arguments, files or settings
// are read; every run starts from the same gas.
#include "program.h"

int main(int argc, char *argv[])
{
    MolvixApplication app(argc, argv);
    MolvixApplication::setStyle(QStringLiteral("Fusion"));
    ProgramWindows windows = startProgram();
    const int code = MolvixApplication::exec();
    endProgram(windows);
    return code;
}
