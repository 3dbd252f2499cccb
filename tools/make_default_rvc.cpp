// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the neutral starting setup to the path given (data/Default.rvc).
#include "core/format/NeutralSetup.h"
#include "core/format/ParameterFile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: rv-make-default PATH\n", stderr);
        return 2;
    }
    QString reason;
    if (!rv::writeParameterFile(QString::fromLocal8Bit(argv[1]), rv::neutralSetup(), &reason)) {
        std::fprintf(stderr, "%s\n", qPrintable(reason));
        return 1;
    }
    return 0;
}
