// SPDX-License-Identifier: MIT
#include "platform/locale_format.h"

#include <QRegularExpression>
#include <QString>

namespace liftcalc {
namespace {

// QLocale reads any name it can make something of ("DE_de" as German, "en_ZZ" as English of the
// United States), so a name counts only when it has the shape of one and the locale QLocale
// finds carries the very codes it names.
bool namesRealLocale(const QString &name) {
    static const QRegularExpression shape(
        QStringLiteral("^([a-z]{2,3})(?:_([A-Z][a-z]{3}))?(?:[_-]([A-Z]{2}|[0-9]{3}))?"
                       "(?:\\.[A-Za-z0-9-]{1,16})?(?:@[A-Za-z0-9]{1,16})?$"));
    const auto match = shape.match(name);
    if (!match.hasMatch())
        return false;
    const QLocale locale(match.captured(1) +
                         (match.hasCaptured(2) ? "_" + match.captured(2) : QString()) +
                         (match.hasCaptured(3) ? "_" + match.captured(3) : QString()));
    return locale.language() != QLocale::C &&
           QLocale::languageToCode(locale.language()) == match.captured(1) &&
           (!match.hasCaptured(2) || QLocale::scriptToCode(locale.script()) == match.captured(2)) &&
           (!match.hasCaptured(3) ||
            QLocale::territoryToCode(locale.territory()) == match.captured(3));
}

} // namespace

NumberFormat numberFormatOf(const QLocale &locale) {
    if (locale.language() == QLocale::C)
        return NumberFormat::english();
    return NumberFormat{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString(),
                        locale.negativeSign().toStdString()};
}

std::optional<NumberFormat> numberFormatNamed(std::string_view name) {
    // No locale name is longer than a few dozen characters; a longer one is not read at all.
    if (name.size() > 64)
        return std::nullopt;
    const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (text == QLatin1String("C") || text == QLatin1String("POSIX") ||
        text.startsWith(QLatin1String("C.")))
        return NumberFormat::english();
    if (!namesRealLocale(text))
        return std::nullopt;
    return numberFormatOf(QLocale(text.section(QLatin1Char('.'), 0, 0).section('@', 0, 0)));
}

std::string localeNameShown(std::string_view name) {
    constexpr std::size_t kLongest = 40;
    std::string shown;
    for (char c : name.substr(0, kLongest))
        shown +=
            static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F ? '?' : c;
    return name.size() > kLongest ? shown + "..." : shown;
}

} // namespace liftcalc
