#pragma once
#include <QString>

// Section n of "nbr.txx" in the current folder. A missing or too short file stops the
// program with the platform's message box.
QString GetTxt(int n);
