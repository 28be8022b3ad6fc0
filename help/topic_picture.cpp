#include "topic_picture.h"

#include "common/sharp_picture.h"
#include "common/program_folder.h"
#include "common/text_file.h"

#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <vector>

namespace help
{
namespace
{

const QString kMarkerEdge = QStringLiteral("<>");

// The picture's own size and resource name, kept in its format so that fitting always scales
// from the picture as loaded.
constexpr int kNaturalWidth = QTextFormat::UserProperty + 1;
constexpr int kNaturalHeight = QTextFormat::UserProperty + 2;
constexpr int kSourceName = QTextFormat::UserProperty + 3;

QImage imageResource(const QTextDocument &document, const QString &name)
{
    const QVariant data = document.resource(QTextDocument::ImageResource, QUrl(name));
    if (data.userType() == QMetaType::QPixmap)
        return data.value<QPixmap>().toImage();
    return data.value<QImage>();
}

bool holdsLineBreak(QStringView text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

} // namespace

TopicMarker findTopicMarker(const QString &text)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype opening = text.indexOf(kMarkerEdge, from);
        if (opening < 0)
            return {};
        const qsizetype closing = text.indexOf(kMarkerEdge, opening + kMarkerEdge.size());
        if (closing < 0)
            return {};
        const qsizetype pathStart = opening + kMarkerEdge.size();
        const QString path = text.mid(pathStart, closing - pathStart);
        // A marker lies within one line; an opening "<>" whose partner is on a later line is
        // plain text (a "<>" in a sentence must not swallow the lines up to the next marker).
        if (holdsLineBreak(path)) {
            from = pathStart;
            continue;
        }
        // A marker at the very start stays text, its closing "<>" included.
        if (opening == 0) {
            from = closing + kMarkerEdge.size();
            continue;
        }
        return {true, opening, path};
    }
}

void setTopicText(QTextDocument &document, const QString &topicText)
{
    QString text = topicText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    document.setPlainText(text);
    // A little air between the lines and after each paragraph makes long topics easier to read.
    QTextBlockFormat paragraph;
    paragraph.setBottomMargin(5);
    paragraph.setLineHeight(112, QTextBlockFormat::ProportionalHeight);
    QTextCursor all(&document);
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(paragraph);
}

bool InsertTopicPicture(QTextDocument &document)
{
    const QString text = document.toPlainText();
    const TopicMarker found = findTopicMarker(text);
    if (!found.found)
        return false;

    // Every copy of the marker from the picture's place on goes; the last first, so that the
    // earlier positions stay valid.
    const QString marker = found.marker();
    std::vector<qsizetype> copies;
    for (qsizetype at = found.offset; at >= 0; at = text.indexOf(marker, at + marker.size()))
        copies.push_back(at);
    QTextCursor cursor(&document);
    for (auto it = copies.rbegin(); it != copies.rend(); ++it) {
        cursor.setPosition(int(*it));
        cursor.setPosition(int(*it + marker.size()), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }

    const QString file = common::programPath(found.path);
    QImage picture;
    if (!found.path.isEmpty() && common::fileExists(file))
        picture = common::loadSharpImage(file);
    if (picture.isNull())
        return false;

    // The picture gets a centred paragraph of its own; the text around it keeps its own.
    cursor.setPosition(int(found.offset));
    if (!cursor.atBlockStart())
        cursor.insertBlock();
    if (!cursor.atBlockEnd()) {
        cursor.insertBlock();
        cursor.movePosition(QTextCursor::PreviousBlock);
    }
    QTextBlockFormat paragraph = cursor.blockFormat();
    paragraph.setAlignment(Qt::AlignHCenter);
    paragraph.setTopMargin(6);
    paragraph.setBottomMargin(10);
    paragraph.setLineHeight(100, QTextBlockFormat::SingleHeight);
    cursor.setBlockFormat(paragraph);

    const QUrl name = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    document.addResource(QTextDocument::ImageResource, name, picture);
    QTextImageFormat image;
    image.setName(name.toString());
    const QSize size = common::logicalSize(picture);
    image.setWidth(size.width());
    image.setHeight(size.height());
    image.setProperty(kNaturalWidth, qreal(size.width()));
    image.setProperty(kNaturalHeight, qreal(size.height()));
    image.setProperty(kSourceName, name.toString());
    cursor.insertImage(image);
    return true;
}

void FitTopicPictures(QTextDocument &document, qreal width)
{
    if (width <= 0)
        return;
    struct Change {
        int position;
        int length;
        QTextImageFormat format;
    };
    std::vector<Change> changes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const qreal naturalWidth = format.doubleProperty(kNaturalWidth);
            const qreal naturalHeight = format.doubleProperty(kNaturalHeight);
            if (naturalWidth <= 0 || naturalHeight <= 0)
                continue;
            const qreal scale = std::min<qreal>(1.0, width / naturalWidth);
            const QSize fitted(int(std::floor(naturalWidth * scale)),
                               int(std::floor(naturalHeight * scale)));
            if (fitted.width() == int(format.width()) || fitted.isEmpty())
                continue;
            // A smaller copy, scaled smoothly here: the pane would scale without smoothing.
            const QString source = format.stringProperty(kSourceName);
            if (source.isEmpty())
                continue;
            QString name = source;
            if (scale < 1) {
                const QImage original = imageResource(document, source);
                if (original.isNull())
                    continue;
                name = source + QStringLiteral("#fitted");
                document.addResource(
                    QTextDocument::ImageResource, QUrl(name),
                    original.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            }
            format.setName(name);
            format.setWidth(fitted.width());
            format.setHeight(fitted.height());
            changes.push_back({fragment.position(), fragment.length(), format});
        }
    }
    QTextCursor cursor(&document);
    for (const Change &change : changes) {
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(change.format);
    }
}

} // namespace help
