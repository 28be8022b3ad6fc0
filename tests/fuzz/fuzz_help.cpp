// The help program's start: the language named in the settings, its help block, and the
// picture marker of every topic read.
#include "fuzz_input.h"
#include "help/help_block.h"
#include "help/topic_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool settingsWritten = [] {
        QFile file(fuzzing::programFolder() + QStringLiteral("/Data/Settings.dat"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            abort();
        file.write("[Settings]\r\nSkin:\r\nDefault.she\r\nLanguage:\r\nFuzz\r\n");
        return true;
    }();
    (void)settingsWritten;
    fuzzing::inputFile("/Languages/Fuzz.lng", data, size);

    // Whatever the file holds, the viewer starts: at worst with fewer topics and a note.
    const help::Manual manual = help::loadManual();
    if (manual.problem != help::StartProblem::None)
        abort();
    if (!manual.help.complete && manual.help.brokenAtLine < 1)
        abort();
    for (const help::HelpTopic &topic : manual.help.topics) {
        const help::TopicMarker marker = help::findTopicMarker(topic.text);
        // The picture's marker never starts the text and stands where it was found.
        if (marker.found &&
            (marker.offset < 1 ||
             topic.text.mid(marker.offset, marker.marker().size()) != marker.marker()))
            abort();
    }
    return 0;
}
