#include "LanguagePreferences.h"

#include "ui/Translations.h"
#include "ui/WidgetNaming.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

LanguagePreferences::LanguagePreferences(QWidget* parent) : QGroupBox(tr("Language"), parent) {
    setObjectName(QStringLiteral("frmlanguage"));
    m_choice = named(new QComboBox(this), "cmblanguage");
    // Each language under its own name, so that an operator who cannot read the current one
    // still finds theirs.
    m_choice->addItem(tr("The system's language"), QString());
    for (const translations::Language& language : translations::languages())
        m_choice->addItem(language.name, language.code);
    auto* note = new QLabel(tr("Takes effect at the next start."), this);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labelFor(tr("Language of the program"), m_choice, this));
    layout->addWidget(m_choice);
    layout->addWidget(note);
    connect(m_choice, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            m_changed = true;
    });
}

void LanguagePreferences::fill(const QString& language) {
    m_filling = true;
    // A code this version does not speak reads as the system's language, as at start-up.
    m_choice->setCurrentIndex(qMax(0, m_choice->findData(language)));
    m_filling = false;
    m_changed = false;
}

QString LanguagePreferences::language() const {
    return m_choice->currentData().toString();
}
