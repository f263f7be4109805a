#include "HostNameDelegate.h"

#include "fleet/HostNameRuns.h"

#include <QApplication>
#include <QPainter>

#include <cmath>

namespace {

// The engine's eight colours, in code order.
constexpr QRgb kEngineColours[] = {0x000000, 0xff0000, 0x00ff00, 0xffff00,
                                   0x0000ff, 0x00ffff, 0xff00ff, 0xffffff};
constexpr int kWhite = 7;
// Contrast ratio (as the web's accessibility guidelines measure it) below which a colour is
// moved toward the text colour: 3 reads for short, plain names.
constexpr double kMinimumContrast = 3.0;

double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor mix(const QColor& from, const QColor& to, double t) {
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
                            float(from.greenF() + (to.greenF() - from.greenF()) * t),
                            float(from.blueF() + (to.blueF() - from.blueF()) * t));
}

} // namespace

QColor HostNameDelegate::readableColour(int code, const QColor& background, const QColor& text) {
    if (code < 0 || code >= kWhite)
        return text;
    const QColor wanted = QColor::fromRgb(kEngineColours[code]);
    for (double t = 0; t < 1; t += 0.125) {
        const QColor candidate = mix(wanted, text, t);
        if (contrast(candidate, background) >= kMinimumContrast)
            return candidate;
    }
    return text;
}

QSize HostNameDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const int twoLines = 2 * QFontMetrics(option.font).height();
    size.setHeight(qMax(size.height(), twoLines) + 6); // rows apart, not packed
    return size;
}

void HostNameDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    // The item's own text: the option's has its line break made a line separator.
    const QString lines = index.data(Qt::DisplayRole).toString();
    opt.text.clear(); // the style draws the check box, selection and focus; the text is ours
    const QWidget* widget = opt.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    // The text takes the row's full height right of the check box (the style's text rectangle
    // is sized for the emptied text).
    QRect area = opt.rect.adjusted(margin, 0, -margin, 0);
    if (opt.features & QStyleOptionViewItem::HasCheckIndicator)
        area.setLeft(
            style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, widget).right() + 1 +
            2 * margin);
    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                            : QPalette::Inactive;
    const bool selected = opt.state & QStyle::State_Selected;
    const QColor text =
        opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    const QColor background = selected ? opt.palette.color(group, QPalette::Highlight)
                              : opt.features & QStyleOptionViewItem::Alternate
                                  ? opt.palette.color(group, QPalette::AlternateBase)
                                  : opt.palette.color(group, QPalette::Base);

    const qsizetype lineBreak = lines.indexOf(u'\n');
    const QString details = lineBreak < 0 ? QString() : lines.mid(lineBreak + 1);
    QList<fleet::ColourRun> title;
    const QString coloured = index.data(kColouredNameRole).toString();
    if (coloured.isEmpty()) {
        title << fleet::ColourRun{lines.left(lineBreak), fleet::ColourRun::kDefault};
    } else {
        const QString ownName = index.data(kOwnNameRole).toString();
        if (!ownName.isEmpty())
            title << fleet::ColourRun{ownName + QStringLiteral(" \u2014 "),
                                      fleet::ColourRun::kDefault};
        title << fleet::splitHostName(coloured).runs;
    }

    painter->save();
    painter->setFont(opt.font);
    painter->setClipRect(area);
    const QFontMetrics metrics(opt.font);
    const int lineHeight = metrics.height();
    const int top = area.top() + (area.height() - 2 * lineHeight) / 2;
    int x = area.left();
    for (const fleet::ColourRun& piece : std::as_const(title)) {
        const int room = area.right() + 1 - x;
        if (room <= 0)
            break;
        const int width = metrics.horizontalAdvance(piece.text);
        painter->setPen(readableColour(piece.colour, background, text));
        painter->drawText(QRect(x, top, room, lineHeight), Qt::AlignLeft | Qt::TextSingleLine,
                          width <= room ? piece.text
                                        : metrics.elidedText(piece.text, Qt::ElideRight, room));
        x += width;
    }
    // The details are secondary: drawn softer, yet well above the contrast a reader needs.
    painter->setPen(mix(text, background, 0.3));
    painter->drawText(QRect(area.left(), top + lineHeight, area.width(), lineHeight),
                      Qt::AlignLeft | Qt::TextSingleLine,
                      metrics.elidedText(details, Qt::ElideRight, area.width()));
    painter->restore();
}
