#pragma once

#include "base/Dialogs.h"

// Answers every box at once (Yes to a question), as a benchmark cannot wait for an operator;
// counts the boxes, which a flow measured should not have shown.
class AcceptingDialogs : public Dialogs {
public:
    int shown = 0;
    Answer message(const QString&, const QString&, Icon, Buttons buttons) override {
        ++shown;
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    QString input(const QString&, const QString&, const QString& d) override { return d; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void beep() override {}
};
