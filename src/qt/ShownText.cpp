#include "qt/ShownText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <vector>

namespace xkr::qt {
namespace {

// clang-format off
constexpr std::array<TextTemplate, 5> templates{{
    {"Version number: %1", false},
    {"Field %1 contains a reserved separator.", true},
    {"Postal Code %1 does not look like a US ZIP code (12345 or 12345-6789). Store it anyway?",
     false},
    {"Postal Code %1 does not look like a Canadian postal code (A1A 1A1). Store it anyway?", false},
    {"Postal Code %1 is not a postal code of %2. Store it anyway?", false},
}};
// clang-format on

const QRegularExpression& placeholder() {
    static const QRegularExpression marker(QStringLiteral("%([1-9])"));
    return marker;
}

QString translated(const char* sourceText) {
    return QCoreApplication::translate(translationContext, sourceText);
}

// The template's English with each placeholder as a capture of any text.
QRegularExpression matcherOf(const TextTemplate& row) {
    const QString source = QString::fromUtf8(row.source);
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

}  // namespace

QString shownText(std::string_view coreText) {
    const QByteArray source(coreText.data(), static_cast<qsizetype>(coreText.size()));
    return translated(source.constData());
}

QString shownComposedText(std::string_view coreText) {
    static const std::vector<QRegularExpression> matchers = [] {
        std::vector<QRegularExpression> built;
        for (const TextTemplate& row : templates) built.push_back(matcherOf(row));
        return built;
    }();
    const QString english =
        QString::fromUtf8(coreText.data(), static_cast<qsizetype>(coreText.size()));
    for (std::size_t k = 0; k < templates.size(); ++k) {
        const QRegularExpressionMatch match = matchers[k].match(english);
        if (!match.hasMatch())
            continue;
        QStringList parts = match.capturedTexts().mid(1);
        if (templates[k].partsAreCoreTexts) {
            for (QString& part : parts) part = shownText(part.toStdString());
        }
        return fillParts(translated(templates[k].source), parts);
    }
    return shownText(coreText);
}

QString skinText(const char* sourceText) {
    return translated(sourceText);
}

std::span<const TextTemplate> textTemplates() {
    return templates;
}

}  // namespace xkr::qt
