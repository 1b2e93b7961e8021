// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The two sizes of the Progress window, one with the grids and one with the table of all
// children: each face takes its own, the one a person gave it or else its natural size, and
// a size given by a person is kept in a file for the next time.

#include "scores/logic/ProgressSizes.h"

class Form;

class FaceSizes {
public:
    // Reads the sizes kept in `file`.
    FaceSizes(Form& window, QString file);

    // Gives the window the size of a face (false the grids, true the table): the one a person
    // gave it, otherwise `natural` in pixels; within the screen's free area, and once shown
    // centred with its frame on the screen. Nothing when the face is already shown.
    void Take(bool children, QSize natural);
    // Writes the file when a person gave a face a size of her own; for the window's unloading.
    void Keep();

private:
    // A size the window was given by a person, not by Take, is the shown face's own.
    void Note();

    Form& window_;
    QString file_;
    ProgressSizes sizes_; // in twips
    bool changed_ = false;
    int face_ = -1;       // 0 the grids, 1 the table, -1 none yet
    QSize given_;         // what Take gave the window, in pixels
};
