#pragma once

// A topic's text may hold one picture marker: "<>", a path under the program folder (such as
// "\Data\Intro.jpg") and "<>" again. The first marker that does not stand at the very start of
// the text becomes the picture, centred in a paragraph of its own; a marker at the very start,
// and any other marker, stay as text. No widgets here: the pane hands in its document.

#include <QString>

class QTextDocument;

namespace help
{

struct TopicMarker {
    bool found = false;
    qsizetype offset = 0; // where the marker's opening "<>" begins, 0-based
    QString path;         // the text between the two "<>"
    QString marker() const { return QStringLiteral("<>") + path + QStringLiteral("<>"); }
};

// The marker that becomes the topic's picture, if any.
TopicMarker findTopicMarker(const QString &text);

// Sets the topic's text as the document's whole plain text (CR LF ends a paragraph).
void setTopicText(QTextDocument &document, const QString &topicText);

// Replaces the document's picture marker, and every later copy of that same marker, by the
// picture: the marker text is removed and, where the picture file can be loaded, the picture is
// embedded at the marker's place. Returns whether a picture was embedded.
bool InsertTopicPicture(QTextDocument &document);

// Scales every embedded picture down to at most `width` pixels, keeping its proportions; a
// picture that fits keeps its own size.
void FitTopicPictures(QTextDocument &document, qreal width);

} // namespace help
