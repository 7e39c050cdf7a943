#include "returns/f944/Form944Shapes.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "common/TextShapes.h"
#include "platform/basic/Strings.h"

using basic::Left;
using basic::Right;

std::string Form944EinBoxesText(const std::string& taxId) {
    // Blanks after each of the first eight digits, measured against the boxes.
    static constexpr std::array<int, 8> kGapAfter = {3, 4, 3, 3, 3, 2, 3, 3};
    return DigitsInBoxes(taxId, kGapAfter);
}

std::string Form944FirmZipText(const std::string& zip) {
    const bool nineDigits = zip.size() == 9 && std::all_of(zip.begin(), zip.end(), [](char c) {
                                return std::isdigit(static_cast<unsigned char>(c)) != 0;
                            });
    if (!nineDigits) return zip;
    return Left(zip, 5) + "-" + Right(zip, 4);
}

const Form944PageImages& Form944PageImagesFor(const std::string& periodCode) {
    static constexpr Form944PageImages k2021{"tf4p121.wmf", "tf4p221.wmf", "tf4p321.wmf", "tf4v21.wmf"};
    static constexpr Form944PageImages k2022{"tf4p122.wmf", "tf4p222.wmf", "tf4p322.wmf", "tf4v22.wmf"};
    return Right(periodCode, 2) == "21" ? k2021 : k2022;
}
