#pragma once
#include <string>
#include <vector>

namespace q::assets {

// Lays the PNG screenshots out on one sheet, `columns` to a row, each at half
// size under its file name, and writes it as PNG to `out`. False with a
// message when an image cannot be read or the sheet cannot be written.
bool WriteContactSheet(const std::string& out, const std::vector<std::string>& images, int columns,
                       std::string* error);

}  // namespace q::assets
