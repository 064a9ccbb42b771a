// The floor of any start of the command line: a program that creates Qt's
// core application, as `quorlin generate` does, and ends at once.
#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return 0;
}
