#pragma once

// The pictures of the manual that explain an idea rather than show a window: the colour code,
// encoding, the marking file name, the two connections, Ohm's law, window placement and reading
// help. They carry numbers, symbols and units only, so that every language's manual can show
// them.

#include <QImage>
#include <QString>
#include <vector>

namespace artwork
{

struct ManualPicture {
    QString file; // name under Data/
    QImage image;
};

std::vector<ManualPicture> manualPictures();

} // namespace artwork
