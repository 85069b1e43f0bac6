// SPDX-License-Identifier: MIT
#include "platform/locale_format.h"

#include <QString>

namespace liftcalc {

NumberFormat numberFormatOf(const QLocale &locale) {
    if (locale.language() == QLocale::C)
        return NumberFormat::english();
    return NumberFormat{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString(),
                        locale.negativeSign().toStdString()};
}

std::optional<NumberFormat> numberFormatNamed(std::string_view name) {
    const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (text == QLatin1String("C") || text == QLatin1String("POSIX"))
        return NumberFormat::english();
    const QLocale locale(text);
    // QLocale falls back to the C locale for a name it does not know.
    if (locale.language() == QLocale::C || text.isEmpty())
        return std::nullopt;
    return numberFormatOf(locale);
}

} // namespace liftcalc
