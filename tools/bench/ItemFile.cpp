#include "ItemFile.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace bench {

void WritePage(std::ostream& out, const printing::PrintPage& page) {
    out << "page\n";
    out.precision(17);
    for (const auto& item : page.items)
        out << item.left << ' ' << item.top << ' ' << item.width << ' ' << item.code << ' ' << item.text << '\n';
}

void ReadItems(const std::string& path, const std::function<void()>& newPage,
               const std::function<void(const printing::PrintItem&)>& item) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::string line;
    printing::PrintItem read;
    while (std::getline(in, line)) {
        if (line == "page") {
            newPage();
            continue;
        }
        std::istringstream fields(line);
        fields >> read.left >> read.top >> read.width >> read.code;
        fields.get();
        std::getline(fields, read.text);
        item(read);
    }
}

} // namespace bench
