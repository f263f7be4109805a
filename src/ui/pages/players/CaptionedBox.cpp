#include "CaptionedBox.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

namespace {

// Lives as the label's child: a left click on the label clicks its buddy box.
class CaptionClicks : public QObject {
public:
    explicit CaptionClicks(QLabel* label) : QObject(label) { label->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        auto* label = qobject_cast<QLabel*>(watched);
        if (!label || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        if (auto* box = qobject_cast<QCheckBox*>(label->buddy()))
            box->click();
        return true;
    }
};

} // namespace

QCheckBox* addCaptionedBox(const CaptionedBoxTexts& texts, QBoxLayout* into) {
    auto* box = new QCheckBox;
    box->setObjectName(QLatin1String(texts.boxName));
    box->setToolTip(texts.boxTip);
    box->setAccessibleName(texts.caption);
    auto* label = new QLabel(texts.caption);
    label->setObjectName(QLatin1String(texts.labelName));
    label->setToolTip(texts.labelTip);
    label->setBuddy(box);
    new CaptionClicks(label);
    auto* pair = new QHBoxLayout;
    pair->setSpacing(2);
    pair->addWidget(box);
    pair->addWidget(label);
    pair->addSpacing(10);
    into->addLayout(pair);
    return box;
}
