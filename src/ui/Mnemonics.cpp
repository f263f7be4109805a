#include "Mnemonics.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QSet>

#include <algorithm>

namespace mnemonics {

namespace {

// The position of the marked character; -1 when the caption has none.
qsizetype markAt(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) != u'&')
            return i + 1;
        ++i; // a literal ampersand
    }
    return -1;
}

// Where a mark could go, best first: the starts of words, the other letters, the digits. Only
// what every keyboard types with Alt.
QList<qsizetype> candidates(const QString& caption) {
    QList<qsizetype> starts, letters, digits;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c == u'&') {
            ++i;
            continue;
        }
        if (c.unicode() >= 128)
            continue;
        if (c.isDigit())
            digits << i;
        else if (c.isLetter())
            (i == 0 || !caption.at(i - 1).isLetterOrNumber() ? starts : letters) << i;
    }
    return starts + letters + digits;
}

struct Unmarked {
    QString caption;
    QList<qsizetype> positions;
    QList<QWidget*> widgets;
};

// Gives caption `index` a letter: its best free one, or else one whose holder can move to
// another of its own (a maximum matching: as many captions as possible get one).
bool assign(int index, const QList<Unmarked>& captions, const QSet<QChar>& taken,
            QSet<QChar>& tried, QHash<QChar, int>& holder) {
    QList<QChar> keys;
    for (const qsizetype at : captions.at(index).positions) {
        const QChar key = captions.at(index).caption.at(at).toLower();
        if (!taken.contains(key) && !keys.contains(key))
            keys << key;
    }
    for (const QChar key : keys) {
        if (!holder.contains(key)) {
            holder.insert(key, index);
            return true;
        }
    }
    for (const QChar key : keys) {
        if (tried.contains(key))
            continue;
        tried.insert(key);
        if (assign(holder.value(key), captions, taken, tried, holder)) {
            holder.insert(key, index);
            return true;
        }
    }
    return false;
}

void setCaption(QWidget* widget, const QString& caption) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(caption);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(caption);
}

} // namespace

QString mainWindowLetters() {
    // The menus' own titles, in the language they are shown in.
    QString letters;
    for (const char* title : {"&File", "&Common Tasks", "&Help", "Hi&story"}) {
        const QString caption = QCoreApplication::translate("Main", title);
        if (const qsizetype at = markAt(caption); at >= 0)
            letters += caption.at(at).toLower();
    }
    return letters;
}

QString plain(const QString& caption) {
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i;
        text += caption.at(i);
    }
    return text;
}

void complete(QWidget* window, const QString& avoid) {
    QSet<QChar> marked;
    QList<Unmarked> captions;
    const auto consider = [&](QWidget* widget, const QString& caption) {
        if (caption.trimmed().isEmpty())
            return;
        if (const qsizetype at = markAt(caption); at >= 0) {
            marked.insert(caption.at(at).toLower());
            return;
        }
        for (Unmarked& known : captions) {
            if (known.caption == caption) {
                known.widgets << widget;
                return;
            }
        }
        captions.append({caption, candidates(caption), {widget}});
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            consider(button, button->text());
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            consider(label, label->text());
        else if (auto* frame = qobject_cast<QGroupBox*>(widget);
                 frame && markAt(frame->title()) >= 0)
            marked.insert(frame->title().at(markAt(frame->title())).toLower());
    }

    // The buttons first: when letters run short, a label (its field is a Tab away) goes without.
    std::stable_sort(captions.begin(), captions.end(), [](const Unmarked& a, const Unmarked& b) {
        return qobject_cast<QAbstractButton*>(a.widgets.first()) &&
               !qobject_cast<QAbstractButton*>(b.widgets.first());
    });
    QHash<QChar, int> holder;
    QSet<QChar> blocked = marked;
    for (const QChar c : avoid)
        blocked.insert(c.toLower());
    for (int i = 0; i < captions.size(); ++i) {
        QSet<QChar> tried;
        assign(i, captions, blocked, tried, holder);
    }
    // A caption no other letter fits shares one with the window around rather than have none.
    blocked = marked;
    for (auto it = holder.cbegin(); it != holder.cend(); ++it)
        blocked.insert(it.key());
    const QList<int> given = holder.values();
    for (int i = 0; i < captions.size(); ++i) {
        QSet<QChar> tried;
        if (!given.contains(i))
            assign(i, captions, blocked, tried, holder);
    }

    for (auto it = holder.cbegin(); it != holder.cend(); ++it) {
        const Unmarked& entry = captions.at(it.value());
        for (const qsizetype at : entry.positions) {
            if (entry.caption.at(at).toLower() != it.key())
                continue;
            const QString caption = QString(entry.caption).insert(at, u'&');
            for (QWidget* widget : entry.widgets)
                setCaption(widget, caption);
            break;
        }
    }
}

} // namespace mnemonics
