#pragma once

#include <QString>
#include <QtGlobal>

namespace config {

// The settings every window reads and assigns through the main window. Positions and sizes
// are twips; colours are stored values (red in the low byte).
struct GlobalSettings
{
    QString SkinName;
    QString Lang;
    QString FormCentring;
    QString ConnectFormCentring;
    float ConnectFormX = 0, ConnectFormY = 0, ConnectFormW = 0, ConnectFormH = 0;
    QString OmFormCentring;
    float OmFormX = 0, OmFormY = 0, OmFormW = 0, OmFormH = 0;
    // The Combinations window: its placement and size, and the series and number of parts last
    // chosen in it.
    QString CombFormCentring;
    float CombFormX = 0, CombFormY = 0, CombFormW = 0, CombFormH = 0;
    QString CombSeries;
    int CombParts = 3;
    QString LastResistInCon;
    QString LastConnect;
    quint8 ConRound = 0;
    quint8 OmRound = 0;
    QString VoltamLastUIR;
    QString Temp01;
    QString LangPos1; // the language's word for centred placement
    QString LangPos2; // the language's word for free placement

    // Skin values published to the other windows.
    quint32 ShapeColor = 0, ButtonColor = 0, TextBoxColorCon = 0, ComboBoxColorCon = 0;
    QString GeneralFont;
    QString GlobalPicture, picMark, picCon, picOm;
    quint32 shpRCRamkaC = 0;
    float shpRCRamkaT = 0;

    bool isCentred(const QString &placementWord) const { return placementWord == LangPos1; }
};

} // namespace config
