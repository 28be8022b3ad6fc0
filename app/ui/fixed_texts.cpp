#include "fixed_texts.h"

namespace ui
{

QString explained(const QString &lang, const QString &russian, const QString &english,
                  const QString &detail)
{
    return inLanguage(lang, russian, english) + QStringLiteral("\n\n") + detail;
}

Message preparationFailure(const QString &lang, const QString &window, const QString &failure)
{
    return {explained(lang, QStringLiteral("%1: окно не может быть подготовлено.").arg(window),
                      QStringLiteral("%1: the window cannot be prepared.").arg(window), failure),
            window, MessageIcon::Error};
}

} // namespace ui
