#include "command_line/colour_words.h"

#include <QHash>

namespace command_line
{
namespace
{

// Letter case, "ё" and the separators inside a name ("light-blue", "Light blue") do not count.
QString nameKey(const QString &word)
{
    QString key = word.toCaseFolded();
    key.replace(u'ё', u'е');
    key.remove(QLatin1Char(' '));
    key.remove(QLatin1Char('-'));
    key.remove(QLatin1Char('_'));
    return key;
}

const QHash<QString, quint8> &builtInNames()
{
    using namespace colour_code;
    static const QHash<QString, quint8> names = [] {
        const std::pair<const char *, quint8> spellings[] = {
            {"silver", Silver},
            {"серебристый", Silver},
            {"серебряный", Silver},
            {"gold", Gold},
            {"золотистый", Gold},
            {"золотой", Gold},
            {"black", Black},
            {"чёрный", Black},
            {"brown", Brown},
            {"коричневый", Brown},
            {"red", Red},
            {"красный", Red},
            {"orange", Orange},
            {"оранжевый", Orange},
            {"yellow", Yellow},
            {"жёлтый", Yellow},
            {"green", Green},
            {"зелёный", Green},
            {"light blue", LightBlue},
            {"blue", LightBlue},
            {"голубой", LightBlue},
            {"синий", LightBlue},
            {"violet", Violet},
            {"purple", Violet},
            {"фиолетовый", Violet},
            {"grey", Grey},
            {"gray", Grey},
            {"серый", Grey},
            {"white", White},
            {"белый", White},
        };
        QHash<QString, quint8> table;
        for (const auto &[name, code] : spellings)
            table.insert(nameKey(QString::fromUtf8(name)), code);
        return table;
    }();
    return names;
}

} // namespace

std::optional<quint8> colourOfWord(const QString &word, const ColourNames &languageNames)
{
    const QString key = nameKey(word);
    if (key.isEmpty())
        return std::nullopt;
    if (const auto found = builtInNames().constFind(key); found != builtInNames().constEnd())
        return *found;
    for (int code = 0; code < colour_code::kColourCount; ++code)
        if (nameKey(languageNames[std::size_t(code)]) == key)
            return quint8(code);
    return std::nullopt;
}

ColourWords colourWords(const QStringList &words, const ColourNames &languageNames)
{
    ColourWords result;
    for (qsizetype i = 0; i < words.size(); ++i) {
        std::optional<quint8> code = colourOfWord(words[i], languageNames);
        if (!code && i + 1 < words.size()) {
            code = colourOfWord(words[i] + QLatin1Char(' ') + words[i + 1], languageNames);
            if (code)
                ++i;
        }
        if (!code) {
            result.unknownWord = words[i];
            return result;
        }
        result.codes.push_back(*code);
    }
    return result;
}

const ColourNames &englishColourNames()
{
    static const ColourNames names = {
        QStringLiteral("silver"), QStringLiteral("gold"),  QStringLiteral("black"),
        QStringLiteral("brown"),  QStringLiteral("red"),   QStringLiteral("orange"),
        QStringLiteral("yellow"), QStringLiteral("green"), QStringLiteral("light blue"),
        QStringLiteral("violet"), QStringLiteral("grey"),  QStringLiteral("white"),
    };
    return names;
}

} // namespace command_line
