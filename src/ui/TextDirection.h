#pragma once

#include <QStringView>
#include <Qt>

// The direction a text reads in by itself: that of its first letter with a direction of its
// own (Latin, Arabic, Hebrew, ...), what lies between an isolate and its end left out; a
// text of digits, punctuation and spaces only reads in the direction around it, otherwise.
Qt::LayoutDirection ownDirection(QStringView text, Qt::LayoutDirection otherwise);
