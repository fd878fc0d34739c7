#include "qtcommon/ShownText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <optional>
#include <vector>

namespace xkr::qtcommon {
namespace {

QString translated(const texts::Text& row) {
    const std::string_view source = sourceText(row);
    return QCoreApplication::translate(
        translationContext, QByteArray(source.data(), static_cast<qsizetype>(source.size())));
}

const QRegularExpression& placeholder() {
    static const QRegularExpression marker(QStringLiteral("%([1-9])"));
    return marker;
}

// The row's English with each placeholder as a capture of any text.
QRegularExpression matcherOf(const texts::Text& row) {
    const QString source = toQString(row.english);
    QString pattern;
    qsizetype literalStart = 0;
    for (const QRegularExpressionMatch& part : placeholder().globalMatch(source)) {
        pattern += QRegularExpression::escape(
            source.mid(literalStart, part.capturedStart() - literalStart));
        pattern += QStringLiteral("(.*)");
        literalStart = part.capturedEnd();
    }
    pattern += QRegularExpression::escape(source.mid(literalStart));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::DotMatchesEverythingOption);
}

// In one pass, so a part that itself holds "%2" (typed by the user) stays as typed.
QString fillParts(const QString& text, const QStringList& parts) {
    QString filled;
    qsizetype literalStart = 0;
    for (const QRegularExpressionMatch& marker : placeholder().globalMatch(text)) {
        filled += text.mid(literalStart, marker.capturedStart() - literalStart);
        const qsizetype index = marker.captured(1).toInt() - 1;
        filled += index < parts.size() ? parts[index] : marker.captured();
        literalStart = marker.capturedEnd();
    }
    return filled + text.mid(literalStart);
}

// The fixed row with this English, of the given use where there is one.
const texts::Text* fixedRow(std::string_view english, std::optional<texts::Use> use) {
    const texts::Text* found = nullptr;
    for (const texts::Text& row : texts::table) {
        if (!row.parts.empty() || row.english != english)
            continue;
        if (!use || row.use == *use)
            return &row;
        if (found == nullptr)
            found = &row;
    }
    return found;
}

QString shown(std::string_view coreText, std::optional<texts::Use> use) {
    if (const texts::Text* row = fixedRow(coreText, use))
        return row->keyed.empty() ? translated(*row) : withoutAccessKey(translated(*row));
    struct Composed {
        const texts::Text* row;
        QRegularExpression matcher;
    };
    static const std::vector<Composed> composed = [] {
        std::vector<Composed> built;
        for (const texts::Text& row : texts::table) {
            if (!row.parts.empty())
                built.push_back({&row, matcherOf(row)});
        }
        return built;
    }();
    const QString english = toQString(coreText);
    for (const Composed& candidate : composed) {
        const QRegularExpressionMatch match = candidate.matcher.match(english);
        if (!match.hasMatch())
            continue;
        QStringList parts = match.capturedTexts().mid(1);
        const std::string_view kinds = candidate.row->parts;
        for (qsizetype k = 0; k < parts.size() && static_cast<std::size_t>(k) < kinds.size(); ++k) {
            if (kinds[static_cast<std::size_t>(k)] == 't')
                parts[k] = shown(parts[k].toStdString(), std::nullopt);
        }
        return fillParts(translated(*candidate.row), parts);
    }
    return english;
}

}  // namespace

std::string_view sourceText(const texts::Text& row) {
    return row.keyed.empty() ? row.english : row.keyed;
}

QString shownText(std::string_view coreText, texts::Use use) {
    return shown(coreText, use);
}

QString shownCaption(std::string_view coreText) {
    const texts::Text* row = fixedRow(coreText, texts::Use::Caption);
    return row != nullptr && !row->keyed.empty() ? translated(*row)
                                                 : shown(coreText, texts::Use::Caption);
}

QString shownText(texts::Id id) {
    return translated(texts::text(id));
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString withoutAccessKey(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

}  // namespace xkr::qtcommon
