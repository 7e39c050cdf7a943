#include "common/DottedCaption.h"

std::string DottedCaption(const char* text, int fullStops, const char* tail) {
    return text + std::string(static_cast<std::size_t>(fullStops), '.') + tail;
}
