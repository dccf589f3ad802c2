// SPDX-License-Identifier: GPL-3.0-or-later
// Fourier et filtres: a teaching tool for periodic signals and analogue
// filtering.

#include "app/commandline.h"

int main(int argc, char** argv)
{
    return RunProgram(argc, argv);
}
