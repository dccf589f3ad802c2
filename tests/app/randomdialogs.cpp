// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/randomdialogs.h"

namespace RandomUser {

QString Quoted(const QString& text)
{
    QString shown = text;
    if (shown.size() > 24)
        shown = shown.left(12) + QStringLiteral("…(%1 characters)").arg(text.size());
    shown.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return QLatin1Char('\'') + shown + QLatin1Char('\'');
}

const QStringList& HostileTexts()
{
    static const QStringList texts = [] {
        QStringList t = {
            "", "-", "+", ".", "-.", "e", "1e", "--1", "1e999", "-1e999", "1e308", "1.7976931348623157e308",
            "nan", "NaN", "-nan", "inf", "-inf", "Infinity", "0", "-0", "0.0", "1e-320", "4.9e-324", "-1e-320",
            "abc", "1,5,6", "1,5", "0x10", "0b1", "1e5x", "12abc", " ", "   ", "\t", " 5 ", "5 ", "1 2",
            "1", "2", "3", "-3", "0.5", "0.49", "0.001", "0.0005", "0.999", "999", "1000", "1001", "1666",
            "1667", "9.99", "10", "10.5", "25", "29.9", "30", "31", "100", "101", "400", "401", "999999",
            "999999.4", "999999.5", "1000000", "1000001", "1e6", "-1", "-100", "1.3", "1.35", "50", "51",
            "-5", "9", "9.5", "1e-3", "2e-3", "٣", "１２", "½", "€", "∞", "1e+", "+1e+1", "1.2.3",
            "1e100", "-1e100", "1.0000000000000002e100", "1e-100", "-1e-100", "9.999999999999999e-101",
            "1e-290", "9.999999999999999e-291", "1e-400", "6", "16", "17",
        };
        t << QString(10000, QLatin1Char('9')) << QString(10000, QLatin1Char('a'))
          << QStringLiteral("0.") + QString(5000, QLatin1Char('0')) + QStringLiteral("1")
          << QString(300, QLatin1Char(' ')) + QStringLiteral("7");
        return t;
    }();
    return texts;
}

} // namespace RandomUser
