#pragma once

#include <QObject>
#include <QString>

class QBoxLayout;
class QCheckBox;

// A check box whose caption is a label of its own, so that box and caption carry tooltips of
// their own; a click on the caption still ticks the box, as on any check box. The box is
// named by the caption for accessibility, and the label is its buddy.
struct CaptionedBoxTexts {
    const char* boxName;
    QString caption;
    QString boxTip;
    const char* labelName;
    QString labelTip;
};
QCheckBox* addCaptionedBox(const CaptionedBoxTexts& texts, QBoxLayout* into);
