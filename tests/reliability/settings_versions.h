#pragma once

#include "config/settings_file.h"

#include <QStringList>

namespace reliability
{

// The settings lines of version k: the window's left edge is k, and the skin name grows and
// shrinks with k so that neighbouring versions differ in length.
inline QStringList settingsVersion(int k)
{
    config::SettingsSnapshot s;
    s.SkinName = QStringLiteral("Default%1.she").arg(QString(k % 97, QLatin1Char('x')));
    s.Lang = QStringLiteral("Русский");
    s.LangPos1 = QStringLiteral("Центрировать");
    s.LangPos2 = QStringLiteral("Произвольно");
    s.FormCentring = s.ConnectFormCentring = s.OmFormCentring = s.LangPos2;
    s.windowLeft = float(k);
    s.windowTop = 1950;
    s.bandCountText = QStringLiteral("Четыре");
    s.unitText = s.LastResistInCon = QStringLiteral("Ом");
    s.toleranceText = QStringLiteral("5%");
    s.LastConnect = QStringLiteral("Параллельное");
    s.ConRound = s.OmRound = 3;
    s.VoltamLastUIR = QStringLiteral("U");
    s.lastResistorCode = QStringLiteral("469041");
    return config::saveSettingsLines(s);
}

} // namespace reliability
