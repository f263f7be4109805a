#pragma once

#include "support/Harness.h"
#include "ui/pages/MessagesPage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

// One message set as the settings file holds it, with the empty key that ends its messages.
inline QByteArray setSection(int index, const QByteArray& name, const QList<QByteArray>& messages) {
    QByteArray text = "[set" + QByteArray::number(index) + "]\r\nname=" + name + "\r\n";
    for (int i = 0; i < messages.size(); ++i)
        text += "mess" + QByteArray::number(i) + "=" + messages.at(i) + "\r\n";
    return text + "mess" + QByteArray::number(messages.size()) + "=\r\n";
}

// The program started with the given settings file, its Messages page at hand.
struct MessagesFixture {
    explicit MessagesFixture(const QByteArray& settings, bool connect = false) {
        if (!settings.isEmpty())
            h.writeSettings(settings);
        if (connect)
            h.connectDirect();
        h.startup();
        page = h.main->pages().messages;
        combo = h.find<QComboBox>(QStringLiteral("commessset"));
        list = h.find<QListWidget>(QStringLiteral("lstmess"));
        text = h.find<QLineEdit>(QStringLiteral("txtmess"));
    }
    SharedState& state() const { return h.main->session().state(); }
    void chooseSet(const QString& name) {
        combo->setEditText(name);
        page->commessset_LostFocus();
    }
    void addMessage(const QString& message) {
        text->setText(message);
        page->txtmess_LostFocus();
    }
    void click(const QString& name) { h.find<QAbstractButton>(name)->click(); }
    bool enabled(const QString& name) const { return h.find<QWidget>(name)->isEnabled(); }
    QStringList rows() const {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
    // Every message box shown so far as "title: text".
    QStringList boxes() const {
        QStringList shown;
        for (const ScriptedDialogs::Shown& box : h.dialogs.messages())
            shown << box.title + QLatin1String(": ") + box.text;
        return shown;
    }

    Harness h;
    MessagesPage* page = nullptr;
    QComboBox* combo = nullptr;
    QListWidget* list = nullptr;
    QLineEdit* text = nullptr;
};
