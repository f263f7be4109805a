#pragma once

#include <QGroupBox>

class QComboBox;

// The "Language" frame of the preferences: the system's language, or one the program speaks.
// The texts are loaded at start-up, so a new choice counts from the next start.
class LanguagePreferences : public QGroupBox {
    Q_OBJECT
public:
    explicit LanguagePreferences(QWidget* parent = nullptr);

    // The saved choice: a language code, or empty for the system's language.
    void fill(const QString& language);
    QString language() const;
    bool isChanged() const { return m_changed; }
    void clearChanged() { m_changed = false; }

private:
    QComboBox* m_choice = nullptr;
    bool m_changed = false;
    bool m_filling = false;
};
