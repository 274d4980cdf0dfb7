#pragma once

#include "ui/TwipsRect.h"

// The main window's resize arithmetic, in twips (1/1440 inch), single precision.

struct MainLayout
{
    TwipsRect list;        // nameList
    float buttonPanelLeft; // buttonPanel (keeps its size)
    float buttonPanelTop;
    float shuffleLeft; // shuffleButton (keeps its height)
    float shuffleTop;
    float shuffleWidth;
};

// Lays out the list, the button column and the Shuffle button for a client area. The
// list is stretched to fill what the column and the button leave; when that would give
// it a negative width or height it keeps currentList, and the others follow it.
MainLayout layOutMainWindow(float clientWidth, float clientHeight, const TwipsRect& currentList, float buttonPanelWidth,
                            float shuffleHeight);
