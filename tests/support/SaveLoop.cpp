// Rewrites one player's files through the program's own writers, generation after
// generation, until it is killed. Arguments: program folder, settings folder, first
// generation. Says "ready" once it starts writing.
#include "support/SaveGeneration.h"

#include <QDir>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    if (!QDir::setCurrent(QString::fromLocal8Bit(argv[1])))
        return 2;
    const QString iniDir = QString::fromLocal8Bit(argv[2]);
    int gen = std::atoi(argv[3]);
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (;; ++gen) {
        if (!SaveGeneration(gen, iniDir))
            return 1;
    }
}
