// The smallest Qt Core program: the floor a command line's start is measured against.
#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    return 0;
}
