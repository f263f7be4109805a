#pragma once

#include <QStyledItemDelegate>

// Draws a server row of two lines, as its text holds them ("title\ndetails"): the title in the
// colours the server's name asks for ("^1Red^7Server") when the item has a coloured name
// (after the operator's own name for it), the details beneath in a softer colour. A colour
// that would not read against the row (black on a dark palette, yellow on a light one) is
// moved toward the palette's text colour until it does; white, the engine's usual "back to
// normal", is the text colour itself.
class HostNameDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kColouredNameRole = Qt::UserRole + 1; // QString, codes kept
    static constexpr int kOwnNameRole = Qt::UserRole + 2;      // QString drawn before it

    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // The colour code (0..7, or fleet::ColourRun::kDefault) as drawn on `background`.
    static QColor readableColour(int code, const QColor& background, const QColor& text);
};
