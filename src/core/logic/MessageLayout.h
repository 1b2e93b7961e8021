// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Sizes of the message box, in twips.

struct MessageLayout {
    int label1Height;
    int buttonTop;
    int windowHeight;
};

constexpr int MessageLabelLeft = 240;
constexpr int MessageLabelTop = 240;
constexpr int MessageLabelWidth = 4215;
constexpr int MessageInnerWidth = 4725;

// The message measured on one line (width x height) is laid out at the label's width:
// its area over that width gives the label's height. wrappedHeight is the height the text
// really takes when word-wrapped; the label never gets less, so no line is cut off.
MessageLayout LayOutMessage(int oneLineWidth, int oneLineHeight, int wrappedHeight);
