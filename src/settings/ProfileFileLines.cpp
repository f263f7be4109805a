#include "ProfileFileLines.h"

#include "base/Wire1252.h"

namespace profilelines {
namespace {

// A blank is what QString::trimmed() removes: of the code page's characters, the ASCII
// blanks and the no-break space (0xA0).
bool isBlank(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u == 0x20 || (u >= 0x09 && u <= 0x0D) || u == 0xA0;
}

QByteArrayView trimmed(QByteArrayView text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool isAscii(QByteArrayView bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

QByteArrayView lineAt(QByteArrayView bytes, qsizetype start, qsizetype* next) {
    qsizetype end = bytes.indexOf('\n', start);
    *next = end < 0 ? bytes.size() : end + 1;
    if (end < 0)
        end = bytes.size();
    if (end > start && bytes[end - 1] == '\r')
        --end;
    return bytes.sliced(start, end - start);
}

Line classify(QByteArrayView text) {
    const QByteArrayView inner = trimmed(text);
    if (inner.startsWith('[')) {
        const qsizetype close = inner.indexOf(']');
        return {
            Line::Section, trimmed(close < 0 ? inner.sliced(1) : inner.sliced(1, close - 1)), {}};
    }
    const qsizetype eq = text.indexOf('=');
    if (eq < 0)
        return {};
    const QByteArrayView key = trimmed(text.first(eq));
    if (key.isEmpty() || key.startsWith(';'))
        return {};
    return {Line::Key, key, trimmed(text.sliced(eq + 1))};
}

QString decode(QByteArrayView bytes) {
    return wire1252::decode(QByteArray::fromRawData(bytes.data(), bytes.size()));
}

// An ASCII name (nearly every one) folds to its lower case without a decode.
void fold(QByteArrayView name, QString& out) {
    if (!isAscii(name)) {
        out = decode(name).toCaseFolded();
        return;
    }
    out.resize(name.size());
    QChar* to = out.data();
    for (const char c : name)
        *to++ = QLatin1Char(c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c);
}

bool sameName(QByteArrayView name, QStringView folded) {
    if (!isAscii(name))
        return decode(name).toCaseFolded() == folded;
    if (name.size() != folded.size())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (folded[i] != QLatin1Char(c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c))
            return false;
    }
    return true;
}

} // namespace profilelines
