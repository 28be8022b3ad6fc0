#include "main_window/load_files.h"

#include "common/failure.h"
#include "common/program_folder.h"
#include "common/sharp_picture.h"
#include "common/text_file.h"
#include "config/palette_offer.h"

#include <QImage>
#include <QSet>
#include <limits>

namespace main_window
{
namespace
{

using common::Failure;

// Skin lines of the values the pictures and drawing places come from.
constexpr int kGlobalPictureLine = 4;
constexpr int kTitlePictureLine = 77;
constexpr int kPalettePictureLine = 99;
constexpr int kFirstBandOffsetLine = 47;

QPixmap skinPicture(const QString &skinPath, int line, const QString &relative)
{
    const QString path = common::programPath(relative);
    const QPixmap picture = common::loadSharpPixmap(path);
    if (picture.isNull())
        throw Failure(QStringLiteral("%1, line %2: cannot load the picture %3")
                          .arg(skinPath)
                          .arg(line)
                          .arg(path));
    return picture;
}

QPixmap optionalSkinPicture(const QString &skinPath, int line, const QString &relative)
{
    return config::isNoPicture(relative) ? QPixmap() : skinPicture(skinPath, line, relative);
}

// Every band picture a palette choice can paint: the first band's own set for the first
// palette, the TCR band's for the last, the others' set for the rest.
void checkBandPictures(const QString &skinPath, const config::MainWindowSkin &skin,
                       const colour_code::ColourTables &tables)
{
    QSet<QString> checked;
    for (int palette = 0; palette < colour_code::kPaletteCount; ++palette) {
        for (const colour_code::PaletteEntry &entry : colour_code::PaletteEntries(palette)) {
            const QString path = bandPicturePath(skin, tables, colour_code::BandPictureOf(palette),
                                                 entry.code);
            if (checked.contains(path))
                continue;
            checked.insert(path);
            if (QImage(path).isNull())
                throw Failure(QStringLiteral("%1, line 1: the picture set \"%2\" has no picture %3")
                                  .arg(skinPath, skin.PictureSetCode, path));
        }
    }
}

bool fits16(int value)
{
    return value >= std::numeric_limits<qint16>::min() &&
           value <= std::numeric_limits<qint16>::max();
}

} // namespace

QString bandPicturePath(const config::MainWindowSkin &skin, const colour_code::ColourTables &tables,
                        colour_code::BandPicture picture, quint8 code)
{
    const auto path = [&](QChar kind) {
        return common::programPath(QStringLiteral("\\Data\\") + kind + skin.PictureSetCode +
                                   tables.CodeNames.value(code));
    };
    switch (picture) {
    case colour_code::BandPicture::First:
        return path(u'B');
    case colour_code::BandPicture::Other:
        return path(u'S');
    case colour_code::BandPicture::Tcr: {
        const QString own = path(u'T');
        return common::fileExists(own) ? own : path(u'B');
    }
    }
    return path(u'S');
}

std::optional<QPoint> bandDrawingPlace(const config::MainWindowSkin &skin, int place)
{
    const QPoint at = skin.BandOrigin + skin.BandOffsets.at(std::size_t(place));
    if (!fits16(at.x()) || !fits16(at.y()))
        return std::nullopt;
    return at;
}

void publishSkin(const config::MainWindowSkin &s, config::GlobalSettings &settings)
{
    settings.GlobalPicture = s.GlobalPicture;
    settings.GeneralFont = s.GeneralFont;
    settings.ShapeColor = s.ShapeColor;
    settings.ButtonColor = s.ButtonColor;
    settings.ComboBoxColorCon = s.ComboBoxColours[1];
    settings.TextBoxColorCon = s.TextBoxColours[1];
    settings.ConnectFormW = s.ConnectFormW;
    settings.ConnectFormH = s.ConnectFormH;
    settings.OmFormW = s.OmFormW;
    settings.OmFormH = s.OmFormH;
    settings.picMark = s.picMark;
    settings.picCon = s.picCon;
    settings.picOm = s.picOm;
    settings.shpRCRamkaC = s.shpRCRamkaC;
    settings.shpRCRamkaT = s.shpRCRamkaT;
}

MainWindowFiles readMainWindowFiles(const config::SettingsFile &file,
                                    const colour_code::ColourTables &tables)
{
    MainWindowFiles f;
    f.file = file;
    const QString languagePath = config::languageFilePath(file.Lang());
    const QStringList languageLines = common::readTextLines(languagePath);
    f.texts = config::parseMainWindowTexts(languagePath, languageLines);
    // The main window's lines run past the dialog's, so these never fail where those did not.
    f.optionsTexts = config::parseOptionsTexts(languagePath, languageLines);

    config::SettingsWords words;
    words.LangPos1 = f.texts.LangPos1;
    for (const QString &name : f.texts.BandCountNames)
        words.bandCountItems << name;
    for (int i = 0; i < 4; ++i) // the unit list offers all but the 10^12 unit
        words.unitItems << f.texts.LangTexts[i];
    f.settings = config::interpretSettings(file, words);
    f.combinationTexts = config::combinationTexts(languageLines, file.Lang());
    f.combinationSettings = config::readCombinationSettings(file.laterLines, words.LangPos1);

    const QString skinPath = config::skinFilePath(file.SkinName());
    f.skin = config::readMainWindowSkin(skinPath);
    f.background = optionalSkinPicture(skinPath, kGlobalPictureLine, f.skin.GlobalPicture);
    f.title = skinPicture(skinPath, kTitlePictureLine, f.skin.picMark);
    f.paletteBackground =
        optionalSkinPicture(skinPath, kPalettePictureLine, f.skin.picPalletePicture);
    for (int place = 0; place < colour_code::kBandPositionCount; ++place) {
        if (!bandDrawingPlace(f.skin, place)) {
            // The TCR band's offset has no fixed line: it follows the decorative figures.
            const int line = kFirstBandOffsetLine + 2 * place;
            const QString lines = place == colour_code::TcrBand
                                      ? QStringLiteral("the TCR band's offset")
                                      : QStringLiteral("%1-%2").arg(line).arg(line + 1);
            throw Failure(
                QStringLiteral("%1, lines 37-38 and %2: the drawing place of band %3 is "
                               "out of range")
                    .arg(skinPath, lines)
                    .arg(place + 1));
        }
    }

    f.tables = tables;
    colour_code::LoadResTable(common::programPath(u"\\Data\\ResTable.tab"), f.tables);
    config::closePaletteGaps(f.skin, f.tables);
    const QString body =
        common::programPath(QStringLiteral("\\Data\\") + kPictureName + QStringLiteral(".bmp"));
    if (QImage(body).isNull())
        throw Failure(QStringLiteral("Cannot load the picture %1").arg(body));
    checkBandPictures(skinPath, f.skin, f.tables);
    return f;
}

} // namespace main_window
