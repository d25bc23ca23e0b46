// The list of every picture the generator writes, by archive member name.
#pragma once

#include <QImage>
#include <QString>

#include <utility>
#include <vector>

namespace picturegen {

std::vector<std::pair<QString, QImage>> allPictures();

}  // namespace picturegen
