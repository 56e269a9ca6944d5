#include <QCoreApplication>

// The floor of the batch figures: a process that starts Qt Core and ends.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return 0;
}
