#pragma once

#include <QString>

class QWidget;

// Alt+letter for every caption: the marks ('&' before the letter) of buttons and of labels
// whose buddy is a field.
namespace mnemonics {

// The letters the main window's menus and its own buttons keep; a page shown beside them
// leaves them alone.
QString mainWindowLetters();

// The caption as it reads, without its mark ("&&" is a literal ampersand).
QString plain(const QString& caption);

// Marks every captioned button and every label with a buddy under `window` that has no mark
// yet, with a letter that no other caption uses. The same caption gets the same letter wherever
// it repeats (sibling frames), so Alt+letter moves between them. The first letters of words
// come first; the marks already there stay as they are. The letters in `avoid` (those of the
// window around) go only to a caption that no other letter fits.
void complete(QWidget* window, const QString& avoid = QString());

} // namespace mnemonics
